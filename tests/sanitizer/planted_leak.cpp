// A leak planted in code of our own, built with the program's sanitizer
// options: LeakSanitizer must still report it under the suppressions the tests
// use, or the suppressions hide more than the font library.
#include <QObject>
#include <QString>

#include <cstdio>

namespace {
QObject *makeOrphan()
{
    // Never deleted and without a parent: like a window nobody deletes, it and
    // its private data point at each other, so it is reported as an indirect
    // leak with no direct root.
    auto *orphan = new QObject;
    orphan->setObjectName(QStringLiteral("planted"));
    return orphan;
}
} // namespace

int main()
{
    QObject *volatile orphan = makeOrphan();
    std::printf("planted %p\n", static_cast<void *>(orphan));
    orphan = nullptr;
    return 0;
}
