// RasseFarbe: breed and colour rules: colour entries, breed/colour codes.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace tav::store {
class Database;
}

namespace tav::cats {

// --- colour entries ---------------------------------------------------------

// A colour restricted to breeds is offered (and stored in FellFarbe) as "(Rasseinfo) Farbname".
QString farbEintragText(const QString &rasseinfo, const QString &farbname);

struct FarbEintrag {
    QString rasseinfo; // empty: a colour of every breed
    QString farbname;
};
// Splits an entry back: "(SIA/BAL) blue-point" -> {"SIA/BAL", "blue-point"}; anything else is
// a bare colour name.
FarbEintrag farbEintragTeilen(const QString &text);

// The entries of Farbe.db as the default-colour boxes offer them, sorted without regard to case.
// Throws EngineError.
QStringList farbEintraege(tav::store::Database &db);

struct RasseEintrag {
    QString name; // RName
    int code = 0; // RCode
};
// The breeds in name order (index RasseName). Throws EngineError.
QVector<RasseEintrag> rassenNachName(tav::store::Database &db);

// --- breed/colour code (SetRFCodeAnz) ---------------------------------------

// breed short name, a space, colour number; " n" when there is no breed short name
QString rfCodeText(const QString &rKurzname, const QString &farbnummer);

// The code shown for a cat of breed `rasse` (RCode, 0 none) and the colour entry `farbText`.
QString rfCodeAnzeige(tav::store::Database &db, int rasse, const QString &farbText);

struct RFCodeTeile {
    QString rasse; // in front of the first space, upper-cased
    QString farbe; // behind the first space, lower-cased
};
RFCodeTeile rfCodeTeilen(const QString &text);

struct RFCodeTreffer {
    std::optional<int> rasse;         // RCode to set
    std::optional<QString> fellFarbe; // colour entry to set (in the form of the colour list)
};
// The reverse of rfCodeAnzeige for a typed code ("BRI a", "sia n", "w 61"). A breed part that
// is a breed short name sets the breed and looks the colour number up among that breed's
// colours, then among the colours of every breed; otherwise the colour part, then the whole
// text, is looked up among the colours of every breed. Nothing found leaves both empty.
RFCodeTreffer rfCodeSuchen(tav::store::Database &db, const QString &text);

// --- gene code --------------------------------------------------------------

struct GenTyp {
    QString gencode;
    QString genkatze;
    QString genkater; // "-": the type does not occur in toms
};

// The orange part of the gene code: X removed (and Y for a tom), at most 6 characters.
QString orangeteilKater(const QString &genkater);
QString orangeteilKatze(const QString &genkatze);

// Inserts an orange part holding O or o in front of the white-spotting locus (ss, S-, Ss, SS,
// tried in this order), else in front of the dominant-white locus (W, else w); otherwise the
// code stays as it is. Codes written with blanks between loci keep a blank after the part.
QString orangeEinfuegen(const QString &gencode, const QString &orange);

// The gene code for choosing gene type `genoTyp` (row `typ` of FarbeGen.DB) for a cat of sex
// `geschlecht`: empty for genoTyp <= 0; nothing (leave Gencode as it is) when the sex is not set
// or a tom is given a type that does not occur in toms.
std::optional<QString> gencodeFuer(int genoTyp, const QString &geschlecht, const GenTyp &typ);

// The row of FarbeGen.DB with that LaufendeNummer.
std::optional<GenTyp> genTypLesen(tav::store::Database &db, int genoTyp);

} // namespace tav::cats
