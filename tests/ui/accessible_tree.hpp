#pragma once

// What screen readers find of the program under test, read through the accessibility bus with
// the end-to-end tests' reader. The including test defines TARNWICK_SOURCE_DIR.

#include <string>

#include <QCoreApplication>
#include <QStringList>
#include <QTest>

#include "desktop_drive.hpp"

namespace tarnwick::drive {

// "role<TAB>name" of every showing object, one a line.
inline QStringList accessibleTree() {
    const auto out = run(QStringLiteral("/usr/bin/python3"),
                         {QStringLiteral(TARNWICK_SOURCE_DIR "/tests/e2e/accessible_tree.py"),
                          QCoreApplication::applicationName()},
                         15000);
    return out ? out->split(u'\n', Qt::SkipEmptyParts) : QStringList();
}

// Waits until every line is in the tree; empty then, else the lines missing and the tree.
inline std::string missingFromTree(const QStringList& lines) {
    QStringList missing = lines, tree;
    (void)QTest::qWaitFor([&] {
        tree = accessibleTree();
        missing.clear();
        for (const QString& line : lines)
            if (!tree.contains(line)) missing << line;
        return missing.isEmpty();
    }, 20000);
    if (missing.isEmpty()) return {};
    return ("missing:\n" + missing.join(u'\n') + "\nin the tree:\n" + tree.join(u'\n')).toStdString();
}

}  // namespace tarnwick::drive
