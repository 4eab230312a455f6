#pragma once
// A read-only registry: the three calls the about box makes, over a store
// that belongs to the program. Linux has no system registry, so the store
// starts empty; tests fill it. Opening a key for anything but reading is
// refused, as a read-only store should.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace rt::reg {

using HKEY = uint32_t;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;

constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_FILE_NOT_FOUND = 2;
constexpr long ERROR_ACCESS_DENIED = 5;
constexpr long ERROR_INVALID_HANDLE = 6;
constexpr long ERROR_MORE_DATA = 234;

constexpr uint32_t REG_SZ = 1;
constexpr uint32_t REG_BINARY = 3;
constexpr uint32_t REG_DWORD = 4;

constexpr uint32_t KEY_READ = 0x20019;
constexpr uint32_t KEY_ALL_ACCESS_2003F = 0x2003F;

long RegOpenKeyExA(HKEY root, const QString& subKey, uint32_t options, uint32_t samDesired, HKEY* result);
// Copies at most *size bytes of the value into buffer; *size becomes the
// value's size (text values count their terminating zero byte).
long RegQueryValueExA(HKEY key, const QString& valueName, uint32_t* type, char* buffer, uint32_t* size);
long RegCloseKey(HKEY key);

// The program's store.
void storeSet(HKEY root, const QString& subKey, const QString& valueName, uint32_t type, const QByteArray& data);
void storeSetText(HKEY root, const QString& subKey, const QString& valueName, const QString& text);
void storeSetNumber(HKEY root, const QString& subKey, const QString& valueName, uint32_t number);
void storeClear();

} // namespace rt::reg
