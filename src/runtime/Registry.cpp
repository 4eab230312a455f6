#include "runtime/Registry.h"

#include <QHash>
#include <QMap>
#include <cstring>

namespace rt::reg {
namespace {

struct Value {
    uint32_t type;
    QByteArray data;
};
using Key = QMap<QString, Value>; // value names are case-insensitive: stored lower-case

QHash<QString, Key>& store()
{
    static QHash<QString, Key> s;
    return s;
}
QHash<HKEY, QString>& handles()
{
    static QHash<HKEY, QString> h;
    return h;
}
HKEY nextHandle = 0x100;

QString path(HKEY root, const QString& subKey)
{
    return QString::number(root, 16) + u'\\' + subKey.toLower();
}

constexpr uint32_t writeRights = 0x0002 | 0x0004 | 0x0020 | 0x10000 | 0x40000 | 0x80000;

} // namespace

long RegOpenKeyExA(HKEY root, const QString& subKey, uint32_t, uint32_t samDesired, HKEY* result)
{
    *result = 0;
    if (samDesired & writeRights) return ERROR_ACCESS_DENIED;
    const QString p = path(root, subKey);
    if (!store().contains(p)) return ERROR_FILE_NOT_FOUND;
    *result = nextHandle++;
    handles().insert(*result, p);
    return ERROR_SUCCESS;
}

long RegQueryValueExA(HKEY key, const QString& valueName, uint32_t* type, char* buffer, uint32_t* size)
{
    auto h = handles().find(key);
    if (h == handles().end()) return ERROR_INVALID_HANDLE;
    const Key& k = store()[h.value()];
    auto v = k.find(valueName.toLower());
    if (v == k.end()) return ERROR_FILE_NOT_FOUND;
    *type = v->type;
    const auto needed = static_cast<uint32_t>(v->data.size());
    if (needed > *size) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(buffer, v->data.constData(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

long RegCloseKey(HKEY key) { return handles().remove(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE; }

void storeSet(HKEY root, const QString& subKey, const QString& valueName, uint32_t type, const QByteArray& data)
{
    store()[path(root, subKey)].insert(valueName.toLower(), Value{type, data});
}

void storeSetText(HKEY root, const QString& subKey, const QString& valueName, const QString& text)
{
    QByteArray d = text.toLocal8Bit();
    d.append('\0');
    storeSet(root, subKey, valueName, REG_SZ, d);
}

void storeSetNumber(HKEY root, const QString& subKey, const QString& valueName, uint32_t n)
{
    QByteArray d(4, '\0');
    for (int i = 0; i < 4; ++i) d[i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    storeSet(root, subKey, valueName, REG_DWORD, d);
}

void storeClear()
{
    store().clear();
    handles().clear();
}

} // namespace rt::reg
