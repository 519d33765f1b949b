#pragma once
// The addressee line of labels, postcards and envelopes.
#include <QString>

// The name with its honorific set off by a blank when it already carries one
// (殿, 様, " 行", 御中, 先生), unchanged when it ends in ちゃん, さん or くん,
// else followed by " 御中" when a position is given and " 様" when not.
QString SplitHonorific(const QString& position, const QString& name);
