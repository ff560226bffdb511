#include "platform/Registry.h"

#include <QtEndian>
#include <map>
#include <utility>

namespace {
struct Value {
    Registry::Type type;
    QByteArray data;
};
struct Key {
    bool denied = false;
    std::map<QString, Value> values;  // by lower-case name
};
using KeyId = std::pair<quint32, QString>;  // root, lower-case key name

std::map<KeyId, Key> keys;
std::map<Registry::Handle, KeyId> handles;
Registry::Handle nextHandle = 1;

KeyId idOf(Registry::Root root, const QString &key) { return {root, key.toLower()}; }

constexpr quint32 ValueBufferSize = 1024;
}

namespace Registry {

void setValue(Root root, const QString &key, const QString &name, Type type,
              const QByteArray &data)
{
    keys[idOf(root, key)].values[name.toLower()] = {type, data};
}

void setString(Root root, const QString &key, const QString &name, const QString &text)
{
    setValue(root, key, name, String, text.toLocal8Bit() + '\0');
}

void setNumber(Root root, const QString &key, const QString &name, quint32 value)
{
    QByteArray data(4, '\0');
    qToLittleEndian(value, data.data());
    setValue(root, key, name, DWord, data);
}

void denyAccess(Root root, const QString &key) { keys[idOf(root, key)].denied = true; }

void reset()
{
    keys.clear();
    handles.clear();
    nextHandle = 1;
}

long openKey(Root root, const QString &key, quint32 /*access*/, Handle *handle)
{
    auto it = keys.find(idOf(root, key));
    if (it == keys.end())
        return FileNotFound;
    if (it->second.denied)
        return AccessDenied;
    *handle = nextHandle++;
    handles[*handle] = it->first;
    return Success;
}

long queryValue(Handle handle, const QString &name, Type *type, QByteArray *buffer,
                quint32 *size)
{
    auto h = handles.find(handle);
    if (h == handles.end())
        return InvalidHandle;
    const Key &key = keys[h->second];
    auto v = key.values.find(name.toLower());
    if (v == key.values.end())
        return FileNotFound;
    const quint32 length = quint32(v->second.data.size());
    *type = v->second.type;
    if (length > *size) {
        *size = length;
        return MoreData;
    }
    *buffer = v->second.data;
    *size = length;
    return Success;
}

long closeKey(Handle handle) { return handles.erase(handle) ? Success : InvalidHandle; }

int openHandleCount() { return int(handles.size()); }

}  // namespace Registry

bool GetKeyValue(Registry::Root root, const QString &key, const QString &name, QString &text)
{
    using namespace Registry;
    Handle handle = 0;
    if (openKey(root, key, AllAccess, &handle) != Success) {
        text.clear();
        return false;
    }
    Type type = NoType;
    QByteArray buffer;
    quint32 size = ValueBufferSize;
    if (queryValue(handle, name, &type, &buffer, &size) != Success) {
        text.clear();
        closeKey(handle);
        return false;
    }
    QByteArray data = buffer.left(int(size));
    if (!data.isEmpty() && data.back() == '\0')
        data.chop(1);
    if (type == String) {
        text = QString::fromLocal8Bit(data);
    } else if (type == DWord) {
        QByteArray word = data.leftJustified(4, '\0', true);
        text = QString::number(qFromLittleEndian<quint32>(word.constData()));
    }
    closeKey(handle);
    return true;
}
