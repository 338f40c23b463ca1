#pragma once
// The status bar's line: what the message costs as SMS, which picture is shown and what
// the phone cannot show, short enough to read at a glance; the tooltip says more.

#include "sms_check.h"

#include <QString>
#include <cstdint>

namespace smssim {

struct SmsStatus {
    QString text;
    QString toolTip;
};

// `smart` is the message with its look-alikes replaced: named where it needs fewer parts.
SmsStatus smsStatus(const SmsCost& cost, const SmartReplacement& smart,
                    const GlyphFindings& findings, long picture, long pictures);

// The status bar's note when typed or pasted characters had no Windows-1252 code.
QString foreignCharactersNote(const QString& characters);
// The status bar's note when typing or pasting was cut at the maximum `limit`.
QString lengthLimitNote(std::int32_t limit, qsizetype refused);

} // namespace smssim
