// Anchor of the toolkit library; the widgets live in the subdirectories.
