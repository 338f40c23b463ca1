#include "sms_status.h"

#include "text_codec.h"

#include <QLocale>

namespace smssim {

namespace {

constexpr qsizetype kShownCharacters = 10;

QString quoted(const QString& characters) {
    return QStringLiteral("„") + characters + QStringLiteral("“");
}

// A long list is cut so that the line stays readable; the tooltip has it whole.
QString shortened(const std::string& cp1252) {
    const QString all = fromCp1252(cp1252);
    return quoted(all.size() > kShownCharacters ? all.left(kShownCharacters) + QStringLiteral("…")
                                                : all);
}

} // namespace

SmsStatus smsStatus(const SmsCost& cost, const GlyphFindings& findings, long picture,
                    long pictures) {
    const bool gsm = cost.encoding == SmsEncoding::Gsm7;
    QString text = gsm ? QStringLiteral("GSM 7-Bit") : QStringLiteral("UCS-2");
    if (!gsm)
        text += QStringLiteral(" wegen ") + shortened(cost.forcingUcs2);
    text += QStringLiteral(" · %1 SMS, noch %2 frei · Bild %3 von %4")
                .arg(cost.parts)
                .arg(cost.unitsLeft)
                .arg(picture)
                .arg(pictures);
    if (!findings.withoutGlyph.empty())
        text += QStringLiteral(" · nicht darstellbar: ") + shortened(findings.withoutGlyph);

    QString tip =
        (gsm ? QStringLiteral("%1 Septette") : QStringLiteral("%1 UCS-2-Zeichen")).arg(cost.units) +
        QStringLiteral(" in %1 SMS").arg(cost.parts);
    if (!gsm)
        tip += QStringLiteral("\nUCS-2 wegen: ") + quoted(fromCp1252(cost.forcingUcs2));
    if (!findings.withoutGlyph.empty())
        tip += QStringLiteral("\nOhne Zeichen im Telefon: ") +
               quoted(fromCp1252(findings.withoutGlyph));
    if (!findings.specialCharacters.empty())
        tip += QStringLiteral("\nSonderzeichen des Telefons: ") +
               quoted(fromCp1252(findings.specialCharacters));
    return {text, tip};
}

QString foreignCharactersNote(const QString& characters) {
    return quoted(characters) + QStringLiteral(" ist kein Zeichen des Telefons");
}

QString lengthLimitNote(std::int32_t limit, qsizetype refused) {
    // German grouping whatever the machine's locale: the window speaks German.
    return QStringLiteral("Maximale Nachrichtenlänge %1 erreicht: %2 Zeichen nicht übernommen")
        .arg(limit)
        .arg(QLocale(QLocale::German, QLocale::Germany).toString(refused));
}

} // namespace smssim
