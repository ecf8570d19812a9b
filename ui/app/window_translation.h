#pragma once

#include <QSet>
#include <QString>
#include <functional>

class QObject;
class QWidget;

// Which texts a window translation leaves alone: whole classes, a property everywhere, or a
// property of one named object ("TfMain" "windowTitle").
struct TranslationExclusions {
    QSet<QString> classes;
    QSet<QString> properties;
    QSet<QString> objectProperties; // "objectName.property"

    bool excludes(const QObject* object, const char* property) const;
};

// Replaces every text of the window and of everything it holds (window titles, label and button
// texts, group titles, tab texts, every list entry by itself, placeholders and tool tips) by its
// translation, except what is excluded.
void translateWindow(QWidget* window, const std::function<QString(const QString&)>& translate,
                     const TranslationExclusions& exclusions);
