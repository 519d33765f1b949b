#pragma once
// The four captions of the free fields, each turned to the next of its own
// sequence when the user clicks (or double-clicks) it. Any caption outside
// the sequence leads back to the empty caption.
#include <QString>

enum class FreeFieldLabel { Biko1, Biko2, No, Yobi };

QString NextFreeFieldCaption(FreeFieldLabel label, const QString& current);

// The settings key that keeps the caption.
QString FreeFieldCaptionKey(FreeFieldLabel label);

// The caption under which a free field holds a mail address, so that its box
// takes Latin input; "" for the labels that have none.
QString MailCaptionOf(FreeFieldLabel label);
