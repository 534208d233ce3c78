#ifndef SOUNDSELECTPOPUP_H
#define SOUNDSELECTPOPUP_H

#include "SelectPopup.h"

// A selection popup that mutes the host's key tones while it is on screen.
class SoundSelectPopup : public SelectPopup
{
    Q_OBJECT
public:
    SoundSelectPopup(QWidget* parent = 0, int kind = 0);

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
};

#endif
