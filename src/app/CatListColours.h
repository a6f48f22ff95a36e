#pragma once

#include <QHash>
#include <memory>

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::app {

// The colours of a cat in lists: its top-cat colour and the colour of its first trait (24-bit
// values with red in the low byte, 0 = none). The top cats and trait colours are few and read
// once (reload(), which throws what it cannot read and leaves the lists without colours); a
// cat's first trait is looked up when asked.
class CatListColours
{
  public:
    explicit CatListColours(tav::store::Database *db);
    ~CatListColours();
    void reload();
    int topCatColour(int cat) const;
    int traitColour(int cat);
    int rowColour(int cat, bool merkmalVorTop);

  private:
    tav::store::Database *m_db;
    QHash<int, int> m_top;        // cat -> colour
    QHash<int, int> m_traits;     // trait -> colour
    QHash<int, int> m_firstTrait; // cat -> its first trait's colour, as looked up
    std::unique_ptr<tav::store::Table> m_catTraits;
};

} // namespace tav::app
