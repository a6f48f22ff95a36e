#include "CatListColours.h"

#include "MainRules.h"
#include "store/EngineError.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Table.h"

using namespace tav::store;

namespace tav::app {

CatListColours::CatListColours(Database *db) : m_db(db)
{
}

CatListColours::~CatListColours() = default;

void CatListColours::reload()
{
    m_top.clear();
    m_traits.clear();
    m_firstTrait.clear();
    try {
        Table top(m_db, topkatze::Datei);
        top.setReadOnly(true);
        top.open();
        for (top.first(); !top.eof(); top.next()) {
            const int cat = top.value(topkatze::Katze).toInt();
            if (cat && !m_top.contains(cat))
                m_top.insert(cat, top.value(topkatze::Farbe).toInt());
        }
    } catch (const EngineError &) {
        // lists are painted without colours; the caller reports why
        m_top.clear();
        throw;
    }
    try {
        Table traits(m_db, merkmale::Datei);
        traits.setReadOnly(true);
        traits.open();
        for (traits.first(); !traits.eof(); traits.next())
            m_traits.insert(traits.value(merkmale::LaufendeNummer).toInt(),
                            traits.value(merkmale::farbe).toInt());
        m_catTraits = std::make_unique<Table>(m_db, katzemerkmal::Datei);
        m_catTraits->setReadOnly(true);
        m_catTraits->setIndexName(katzemerkmal::idx::Katze);
        m_catTraits->open();
    } catch (const EngineError &) {
        m_traits.clear();
        m_catTraits.reset();
        throw;
    }
}

int CatListColours::topCatColour(int cat) const
{
    return m_top.value(cat, 0);
}

int CatListColours::traitColour(int cat)
{
    auto it = m_firstTrait.find(cat);
    if (it != m_firstTrait.end())
        return *it;
    int colour = 0;
    if (m_catTraits && cat > 0) {
        try {
            if (m_catTraits->findKey({cat}))
                colour = m_traits.value(m_catTraits->value(katzemerkmal::Merkmal).toInt(), 0);
        } catch (const EngineError &) {
            m_catTraits.reset(); // asked no more until the next reload; the caller reports
            throw;
        }
    }
    m_firstTrait.insert(cat, colour);
    return colour;
}

int CatListColours::rowColour(int cat, bool merkmalVorTop)
{
    return tav::app::rowColour(merkmalVorTop, topCatColour(cat), traitColour(cat));
}

} // namespace tav::app
