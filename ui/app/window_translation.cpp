#include "ui/app/window_translation.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QTabWidget>
#include <QWidget>

bool TranslationExclusions::excludes(const QObject* object, const char* property) const {
    const QString prop = QLatin1String(property);
    if (properties.contains(prop))
        return true;
    if (objectProperties.contains(object->objectName() + QLatin1Char('.') + prop))
        return true;
    for (const QMetaObject* meta = object->metaObject(); meta; meta = meta->superClass())
        if (classes.contains(QLatin1String(meta->className())))
            return true;
    return false;
}

namespace {

using Translate = std::function<QString(const QString&)>;

void translateProperty(QObject* object, const char* property, const Translate& tr,
                       const TranslationExclusions& exclusions) {
    if (exclusions.excludes(object, property))
        return;
    const QString text = object->property(property).toString();
    if (!text.isEmpty())
        object->setProperty(property, tr(text));
}

// Our own widgets name the texts they show themselves "Caption..." (the MIL lamp's "On" and
// "Off", the oxygen-sensor diagram's "Rich" and "Lean"); Qt's classes have none of that name.
void translateCaptionProperties(QWidget* widget, const Translate& tr,
                                const TranslationExclusions& ex) {
    const QMetaObject* meta = widget->metaObject();
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.typeId() == QMetaType::QString && property.isWritable() &&
            QLatin1String(property.name()).startsWith(QLatin1String("Caption")))
            translateProperty(widget, property.name(), tr, ex);
    }
}

void translateWidget(QWidget* widget, const Translate& tr, const TranslationExclusions& ex) {
    if (widget->isWindow())
        translateProperty(widget, "windowTitle", tr, ex);
    translateProperty(widget, "toolTip", tr, ex);
    if (qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget))
        translateProperty(widget, "text", tr, ex);
    else if (qobject_cast<QGroupBox*>(widget))
        translateProperty(widget, "title", tr, ex);
    else if (qobject_cast<QLineEdit*>(widget))
        translateProperty(widget, "placeholderText", tr, ex);
    if (auto* box = qobject_cast<QComboBox*>(widget); box && !ex.excludes(box, "items"))
        for (int i = 0; i < box->count(); ++i)
            box->setItemText(i, tr(box->itemText(i)));
    if (auto* tabs = qobject_cast<QTabWidget*>(widget); tabs && !ex.excludes(tabs, "tabs"))
        for (int i = 0; i < tabs->count(); ++i)
            tabs->setTabText(i, tr(tabs->tabText(i)));
    translateCaptionProperties(widget, tr, ex);
}

} // namespace

void translateWindow(QWidget* window, const Translate& translate,
                     const TranslationExclusions& exclusions) {
    translateWidget(window, translate, exclusions);
    for (QWidget* child : window->findChildren<QWidget*>())
        if (!child->isWindow()) // dialogs owned by the window translate themselves
            translateWidget(child, translate, exclusions);
}
