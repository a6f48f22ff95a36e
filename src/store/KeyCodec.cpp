#include "KeyCodec.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cstring>

namespace tav::store::keycodec {

namespace {

constexpr char Blank = 0x00;
constexpr char Present = 0x01;

void appendU64(QByteArray &key, quint64 v)
{
    char buf[8];
    for (int i = 7; i >= 0; --i) {
        buf[i] = char(v & 0xff);
        v >>= 8;
    }
    key.append(buf, 8);
}

void appendI64(QByteArray &key, qint64 v)
{
    appendU64(key, quint64(v) ^ (quint64(1) << 63));
}

void appendDouble(QByteArray &key, double d)
{
    if (d == 0)
        d = 0; // -0 and +0 are one key
    quint64 bits;
    std::memcpy(&bits, &d, 8);
    bits = (bits & (quint64(1) << 63)) ? ~bits : bits | (quint64(1) << 63);
    appendU64(key, bits);
}

// UTF-8 never holds 0x00 or 0xff, so 0x00 ends a text and a prefix stays a prefix.
void appendText(QByteArray &key, const QString &s)
{
    QByteArray utf8 = s.toUtf8();
    utf8.replace('\0', "");
    key.append(utf8);
}

} // namespace

QString fold(const QString &text)
{
    QString out;
    out.reserve(text.size());
    bool plain = true;
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            plain = false;
            break;
        }
    }
    if (plain)
        return text.toLower();
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    for (QChar c : decomposed) {
        switch (c.unicode()) {
        case 0x00DF: out += QLatin1String("ss"); continue; // ß
        case 0x1E9E: out += QLatin1String("ss"); continue; // capital ß
        case 0x00C6:
        case 0x00E6: out += QLatin1String("ae"); continue; // Æ æ
        case 0x0152:
        case 0x0153: out += QLatin1String("oe"); continue; // Œ œ
        case 0x00D8:
        case 0x00F8: out += QLatin1Char('o'); continue; // Ø ø
        default: break;
        }
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        out += c.toLower();
    }
    return out;
}

void appendField(QByteArray &key, FieldType type, const QVariant &value, bool caseInsensitive)
{
    if (!value.isValid() || value.isNull()) {
        key.append(Blank);
        return;
    }
    switch (type) {
    case FieldType::String:
    case FieldType::Memo: {
        const QString s = value.toString();
        if (s.isEmpty()) {
            key.append(Blank);
            return;
        }
        key.append(Present);
        appendText(key, fold(s));
        key.append(Blank);
        if (!caseInsensitive) {
            appendText(key, s); // exact text breaks ties: "Arger" < "Ärger", "Max" < "max"
            key.append(Blank);
        }
        return;
    }
    case FieldType::Date:
        key.append(Present);
        appendI64(key, value.toDate().toJulianDay());
        return;
    case FieldType::Timestamp: {
        key.append(Present);
        const QDateTime dt = value.toDateTime();
        appendI64(key, dt.date().toJulianDay() * 86400000LL + dt.time().msecsSinceStartOfDay());
        return;
    }
    case FieldType::Time:
        key.append(Present);
        appendI64(key, value.toTime().msecsSinceStartOfDay());
        return;
    case FieldType::Float:
    case FieldType::Currency:
        key.append(Present);
        appendDouble(key, value.toDouble());
        return;
    case FieldType::Boolean:
        key.append(Present);
        key.append(value.toBool() ? char(1) : char(0));
        return;
    case FieldType::Graphic:
    case FieldType::Bytes:
        key.append(Present);
        key.append(value.toByteArray().toHex());
        key.append(Blank);
        return;
    default:
        key.append(Present);
        appendI64(key, value.toLongLong());
        return;
    }
}

void appendTextPrefix(QByteArray &key, const QString &text)
{
    if (text.isEmpty())
        return;
    key.append(Present);
    appendText(key, fold(text));
}

void appendRecordNumber(QByteArray &key, qint64 rowid)
{
    appendI64(key, rowid);
}

QByteArray upperBound(const QByteArray &prefix)
{
    return prefix + char(0xff);
}

} // namespace tav::store::keycodec
