#pragma once

// The literal type of the table, field and index names the declarations hand out.

#include <QString>
#include <QStringView>

namespace tav::store {

// A name as the tables declare it: a compile-time literal that becomes a QString without copying
// or allocating (the QString points at the literal), so constants of it cost nothing at start-up.
class SchemaName
{
  public:
    template <qsizetype N> consteval SchemaName(const char16_t (&text)[N]) : m_text(text), m_size(N - 1) {}

    operator QString() const
    {
        return QString(QStringPrivate(nullptr, const_cast<char16_t *>(m_text), m_size));
    }
    QString toString() const { return *this; }
    constexpr QStringView view() const { return QStringView(m_text, m_size); }

  private:
    const char16_t *m_text;
    qsizetype m_size;
};

} // namespace tav::store
