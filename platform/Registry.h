#pragma once
// A stand-in for the system registry: a table of keys and values with the
// open, query and close calls a registry offers, and GetKeyValue on top of
// them. Linux has no registry, so the table is empty in the program; tests
// fill it. Key and value names compare without regard to case.
#include <QByteArray>
#include <QString>

namespace Registry {

// The root keys.
enum Root : quint32 {
    ClassesRoot = 0x80000000u,
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
    Users = 0x80000003u,
};

// Value types.
enum Type : quint32 {
    NoType = 0,
    String = 1,
    ExpandString = 2,
    Binary = 3,
    DWord = 4,
    MultiString = 7,
};

inline constexpr quint32 AllAccess = 0x2003F;
inline constexpr long Success = 0;
inline constexpr long FileNotFound = 2;
inline constexpr long AccessDenied = 5;
inline constexpr long InvalidHandle = 6;
inline constexpr long MoreData = 234;

using Handle = quint32;

// The table. A string value is stored in the local 8-bit encoding with a
// terminating 0, a number as 4 bytes, low byte first.
void setValue(Root root, const QString &key, const QString &name, Type type,
              const QByteArray &data);
void setString(Root root, const QString &key, const QString &name, const QString &text);
void setNumber(Root root, const QString &key, const QString &name, quint32 value);
// Makes opening the key fail with AccessDenied whatever access is asked.
void denyAccess(Root root, const QString &key);
// Empties the table and forgets every open handle.
void reset();

// The registry calls. openKey fails with FileNotFound for a key that is not
// in the table. queryValue copies at most *size bytes into buffer and sets
// *size to the value's length; a value longer than *size gives MoreData.
long openKey(Root root, const QString &key, quint32 access, Handle *handle);
long queryValue(Handle handle, const QString &name, Type *type, QByteArray *buffer,
                quint32 *size);
long closeKey(Handle handle);
// Handles opened and not closed yet.
int openHandleCount();

}  // namespace Registry

// Reads the value `name` of `key` under `root` into text. A string value
// becomes the text (one trailing 0 dropped), a number value its decimal
// text; any other type leaves text as the caller passed it. True when the
// value was read; false, with text emptied, when the key can't be opened or
// the value can't be read (missing, or longer than 1024 bytes).
bool GetKeyValue(Registry::Root root, const QString &key, const QString &name, QString &text);
