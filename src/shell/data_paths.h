#pragma once

#include <QString>

namespace wepn {

// The data directory and the paths derived from it at start-up, all in the
// program's Windows form. The derived paths are plain concatenations and are
// not recomputed when the data directory changes while the program runs.
struct DataPaths {
    QString strDataDir;
    QString strWFDir;
    QString strWEPNDir;
    QString strFLFile;

    static DataPaths derivedFrom(const QString& dataDir);
};

} // namespace wepn
