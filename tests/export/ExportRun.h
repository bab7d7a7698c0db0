#pragma once

#include "support/TestStore.h"
#include "text/LineWriter.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace paluksen::test {

// Runs one export into a file of the store's folder, commits it and returns its bytes. The file
// is first filled with other bytes, so whatever comes back was written by this run.
QByteArray runExport(TestStore& store, const std::function<void(LineWriter&)>& write);

// The bytes of a file under tests/export/golden.
QByteArray golden(const QString& name);

} // namespace paluksen::test
