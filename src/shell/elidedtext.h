#pragma once
// A text that may be wider than the label showing it: the label keeps its place and size, the
// text ends in an ellipsis where it does not fit, and the tooltip and the accessible name hold
// it whole.

class QLabel;
class QString;

// Shows `text` in `label` at the label's present width.
void setElidedText(QLabel& label, const QString& text);
