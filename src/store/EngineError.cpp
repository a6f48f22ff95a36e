#include "EngineError.h"

namespace tav::store {

EngineError::EngineError(Category category, int code, const QString &message, int nativeCode)
    : m_category(category)
{
    m_entries.append({code, nativeCode, message});
    m_what = message.toUtf8();
}

EngineError &EngineError::push(int code, const QString &message, int nativeCode)
{
    m_entries.append({code, nativeCode, message});
    m_what += "\n" + message.toUtf8();
    return *this;
}

bool EngineError::isIndexDamage() const
{
    const int c = code();
    return c == code::IndexOutOfDate || c == code::NoSuchIndex || c == code::IndexCorrupt;
}

} // namespace tav::store
