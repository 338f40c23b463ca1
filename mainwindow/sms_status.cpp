#include "sms_status.h"

#include "text_codec.h"

#include <QLocale>
#include <QStringList>

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

QString languageName(int language) {
    const QString names[] = {QString(), QStringLiteral("türkisch"), QStringLiteral("spanisch"),
                             QStringLiteral("portugiesisch")};
    return names[language];
}

// The national tables in use, locking first: "portugiesisch", "türkisch/spanisch".
QString tablesInUse(const SmsCost& cost) {
    QStringList names;
    for (const int language : {cost.locking, cost.single})
        if (language != 0 && !names.contains(languageName(language)))
            names << languageName(language);
    return names.join(u'/');
}

// Each replaced character with its look-alike: „“ → ", … → ...
QString replacements(const std::string& replaced) {
    QStringList pairs;
    for (const char c : replaced)
        pairs << fromCp1252(std::string(1, c)) + QStringLiteral(" → ") +
                     fromCp1252(std::string(lookAlike(static_cast<std::uint8_t>(c))));
    return pairs.join(QStringLiteral(", "));
}

} // namespace

SmsStatus smsStatus(const SmsCost& cost, const SmartReplacement& smart,
                    const GlyphFindings& findings, long picture, long pictures) {
    const bool gsm = cost.encoding == SmsEncoding::Gsm7;
    QString text = gsm ? QStringLiteral("GSM 7-Bit") : QStringLiteral("UCS-2");
    if (const QString tables = tablesInUse(cost); !tables.isEmpty())
        text += QStringLiteral(" (") + tables + u')';
    if (!gsm)
        text += QStringLiteral(" wegen ") + shortened(cost.forcingUcs2);
    text += QStringLiteral(" · %1 SMS, noch %2 frei").arg(cost.parts).arg(cost.unitsLeft);
    const bool fewer = smart.cost.parts < cost.parts;
    if (fewer)
        text += QStringLiteral(" · mit Ersetzen: %1 SMS").arg(smart.cost.parts);
    text += QStringLiteral(" · Bild %1 von %2").arg(picture).arg(pictures);
    if (!findings.withoutGlyph.empty())
        text += QStringLiteral(" · nicht darstellbar: ") + shortened(findings.withoutGlyph);

    QString tip =
        (gsm ? QStringLiteral("%1 Septette") : QStringLiteral("%1 UCS-2-Zeichen")).arg(cost.units) +
        QStringLiteral(" in %1 SMS").arg(cost.parts);
    if (!gsm)
        tip += QStringLiteral("\nUCS-2 wegen: ") + quoted(fromCp1252(cost.forcingUcs2));
    if (fewer)
        tip += QStringLiteral("\nMit Ersetzen (Textnachricht → Zeichen ersetzen) %1 SMS: ")
                   .arg(smart.cost.parts) +
               replacements(smart.replaced);
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
