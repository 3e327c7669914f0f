// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "libraryfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace OlvarControls {

namespace {

/* The file of the loaded module that holds this function. */
QString moduleFile()
{
#if defined(Q_OS_WIN)
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&moduleFile), &module))
        return QString();
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? QString::fromWCharArray(path, int(length)) : QString();
#else
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&moduleFile), &info) == 0 || !info.dli_fname)
        return QString();
    return QFile::decodeName(info.dli_fname);
#endif
}

} // namespace

QString libraryFolder()
{
    const QString file = moduleFile();
    if (file.isEmpty())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(file).absolutePath();
}

QString fileBesideLibrary(const QString &fileName)
{
    return QDir::toNativeSeparators(QDir(libraryFolder()).filePath(fileName));
}

} // namespace OlvarControls
