#include "runtime/System.h"

#include "runtime/Error.h"

#include <QFileInfo>
#include <QProcess>

namespace rt {

bool fileExists(const QString& path)
{
    QFileInfo f(path);
    return f.exists() && f.isFile();
}

void startProgram(const QString& path)
{
    if (path.isEmpty() || !QProcess::startDetached(path, {})) raise(Err::InvalidCall);
}

} // namespace rt
