// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes loaded as a document, and then pasted onto
// what was loaded, must leave a consistent design; what the writer then
// produces must load again.

#include "io/clipboardfragment.h"
#include "io/designdocument.h"
#include "io/documentreader.h"
#include "io/documentwriter.h"
#include "consistencycheck.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace {

void check(const DocumentContext &context, const char *stage)
{
    const QString problem = ConsistencyCheck::problem(context);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "inconsistent design after %s: %s\n", stage,
                     qPrintable(problem));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "reader_fuzzer";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);

    DesignDocument document;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ReadResult result = DocumentReader(document.context()).read(bytes);
    check(document.context(), "load");
    ClipboardFragment::paste(document.context(), 0, QString::fromUtf8(bytes));
    check(document.context(), "paste");
    if (!result.ok)
        return 0;

    const QByteArray written = DocumentWriter(document.context()).toBytes();
    DesignDocument reread;
    const ReadResult again = DocumentReader(reread.context()).read(written);
    check(reread.context(), "reload");
    if (!again.ok) {
        std::fprintf(stderr, "written document does not load: %s\n",
                     qPrintable(again.parseError));
        std::abort();
    }
    return 0;
}
