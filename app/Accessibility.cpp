#include "app/Accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace Accessibility {

namespace {

class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        auto* combo = static_cast<QComboBox*>(widget());
        switch (t) {
        case QAccessible::Name:
            return combo->accessibleName().isEmpty() ? combo->currentText() : combo->accessibleName();
        case QAccessible::Value: return combo->currentText();
        default: return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className != QLatin1String("QComboBox"))
        return nullptr;
    auto* combo = qobject_cast<QComboBox*>(object);
    if (!combo || combo->isEditable())
        return nullptr;
    return new NamedComboBox(combo);
}

}  // namespace

void Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

}  // namespace Accessibility
