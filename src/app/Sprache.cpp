// Sprache: the language catalogues: messages (SPRMEL.DB) and captions (SPRACHE.DB) by number.
#include "Sprache.h"

#include "EngineErrorText.h"

#include "store/Database.h"
#include "store/Namen_reference.h"
#include "store/Table.h"

using namespace tav::store::namen;

namespace tav::app {

using tav::store::Table;

int languageOffset(int languageNumber)
{
    return languageNumber == 1 ? 10000 : languageNumber == 2 ? 20000 : 0;
}

int languageNumber(const QString &settingValue)
{
    if (settingValue == QStringLiteral("Englisch"))
        return 1;
    if (settingValue == QStringLiteral("Holländisch"))
        return 2;
    return 0;
}

QString removeAccelerator(const QString &text)
{
    QString s = text;
    const int amp = s.indexOf(QLatin1Char('&'));
    if (amp >= 0)
        s.remove(amp, 1);
    return s;
}

Sprache::Sprache() = default;
Sprache::~Sprache() = default;

namespace {
std::unique_ptr<Table> openCatalogue(tav::store::Database *db, const QString &file,
                                     QList<QStringList> &failures)
{
    auto t = std::make_unique<Table>(db, file);
    t->setReadOnly(true);
    try {
        t->open();
    } catch (const tav::store::EngineError &e) {
        failures << (QStringList{file} + errorEntryLines(e));
        return nullptr;
    }
    return t;
}
} // namespace

bool Sprache::open(tav::store::Database *db)
{
    close();
    m_openFailures.clear();
    m_messages = openCatalogue(db, sprmel::Datei, m_openFailures);
    m_captions = openCatalogue(db, sprache::Datei, m_openFailures);
    return m_messages && m_captions;
}

void Sprache::close()
{
    m_messages.reset();
    m_captions.reset();
}

void Sprache::setLanguageNumber(int number)
{
    m_language = (number == 1 || number == 2) ? number : 0;
}

bool Sprache::messagesOpen() const
{
    return m_messages && m_messages->isOpen();
}

bool Sprache::captionsOpen() const
{
    return m_captions && m_captions->isOpen();
}

// A damaged catalogue costs the texts, never the window that asks for them.
QString Sprache::message(int number) const
{
    if (!messagesOpen())
        return QString();
    try {
        if (!m_messages->findKey({number + offset()}))
            return QString();
        return m_messages->text(sprmel::Meldung);
    } catch (const tav::store::EngineError &) {
        return QString(); // a damaged catalogue: as if the text were missing
    }
}

std::optional<Sprache::Caption> Sprache::record(int key) const
{
    if (!captionsOpen())
        return std::nullopt;
    try {
        if (!m_captions->findKey({key}))
            return std::nullopt;
        return Caption{m_captions->text(sprache::FeldName), m_captions->text(sprache::FeldHilfe)};
    } catch (const tav::store::EngineError &) {
        return std::nullopt; // a damaged catalogue: as if the record were missing
    }
}

QString Sprache::caption(int number) const
{
    const auto r = record(number + offset());
    return r ? r->FeldName : QString();
}

QString Sprache::captionFor(int number, const QString &languageName) const
{
    const QString l = languageName.toLower();
    int off = 0;
    if (l == QStringLiteral("englisch"))
        off = 10000;
    else if (l == QStringLiteral("hollaendisch") || l == QStringLiteral("holländisch"))
        off = 20000;
    const auto r = record(number + off);
    return r ? r->FeldName : QString();
}

QStringList Sprache::items(int key, int count) const
{
    QStringList out;
    if (!captionsOpen() || count <= 0)
        return out;
    try {
        if (!m_captions->findKey({key}))
            return out;
        for (int i = 0; i < count; ++i) {
            m_captions->next();
            if (m_captions->eof())
                break;
            out << m_captions->text(sprache::FeldName);
        }
    } catch (const tav::store::EngineError &) {
        // a damaged catalogue: the items read so far; that it cannot open is reported at start
    }
    return out;
}

QString catalogueFailureText(const QList<QStringList> &failures, int languageNumber)
{
    if (failures.isEmpty())
        return QString();
    const bool german = languageNumber == 0;
    QStringList lines;
    for (const QStringList &f : failures) {
        lines << (german ? QStringLiteral("Der Sprachkatalog %1 kann nicht geöffnet werden.")
                         : QStringLiteral("The language catalogue %1 cannot be opened."))
                     .arg(f.value(0));
        lines << f.mid(1);
    }
    lines << (german ? QStringLiteral("Meldungen und Beschriftungen bleiben leer, bis der Katalog "
                                      "wieder lesbar ist.")
                     : QStringLiteral("Messages and captions stay empty until the catalogue can be "
                                      "read again."));
    return lines.join(QLatin1Char('\r'));
}

Sprache &sprache()
{
    static Sprache instance;
    return instance;
}

QString messageText(int number)
{
    return sprache().message(number);
}

QString captionText(int number)
{
    return sprache().caption(number);
}

QString captionTextFor(int number, const QString &languageName)
{
    return sprache().captionFor(number, languageName);
}

} // namespace tav::app
