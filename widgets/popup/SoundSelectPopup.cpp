#include "SoundSelectPopup.h"

#include "Core.h"
#include "SoundManager.h"

SoundSelectPopup::SoundSelectPopup(QWidget* parent, int kind)
    : SelectPopup(parent, kind)
{
}

void SoundSelectPopup::showEvent(QShowEvent*)
{
    if (theCore && theCore->soundManager())
        theCore->soundManager()->setEnableKeytone(false);
}

void SoundSelectPopup::hideEvent(QHideEvent*)
{
    if (theCore && theCore->soundManager())
        theCore->soundManager()->setEnableKeytone(true);
}
