#pragma once

// Watches every notifying property of an object, read through its meta-object as QML reads it,
// and checks that each notify signal fired exactly once when one of its values changed and never
// when none did.

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QMetaProperty>
#include <QSignalSpy>
#include <QVariantMap>

namespace tarnwick::fakes {

class NotifyWatch {
public:
    explicit NotifyWatch(QObject& object) : m_object(object) {
        const QMetaObject* meta = object.metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (!property.hasNotifySignal()) continue;
            m_properties.push_back(property);
            const std::string signal = property.notifySignal().methodSignature().toStdString();
            if (!m_spies.count(signal)) m_spies[signal] = std::make_unique<QSignalSpy>(&object, property.notifySignal());
        }
        m_before = values();
    }

    QVariantMap values() const {
        QVariantMap map;
        for (const auto& property : m_properties) map.insert(QString::fromLatin1(property.name()), property.read(&m_object));
        return map;
    }

    // The properties named in `mustChange` changed, those in `mustStay` did not, and the signals
    // fired exactly for the values that changed.
    void check(const std::set<std::string>& mustChange, const std::set<std::string>& mustStay = {}) const {
        const QVariantMap after = values();
        for (const auto& names : {mustChange, mustStay}) {
            for (const auto& name : names) EXPECT_TRUE(after.contains(QString::fromStdString(name))) << "no property " << name;
        }
        std::map<std::string, bool> due;
        for (const auto& property : m_properties) {
            const QString name = QString::fromLatin1(property.name());
            const bool changed = m_before.value(name) != after.value(name);
            if (mustChange.count(name.toStdString())) {
                EXPECT_TRUE(changed) << name.toStdString() << " did not change";
            }
            if (mustStay.count(name.toStdString())) {
                EXPECT_FALSE(changed) << name.toStdString() << " changed";
            }
            due[property.notifySignal().methodSignature().toStdString()] |= changed;
        }
        for (const auto& [signal, changed] : due) {
            EXPECT_EQ(m_spies.at(signal)->count(), changed ? 1 : 0) << signal;
        }
    }

    int fired(const std::string& signal) const { return int(m_spies.at(signal)->count()); }

private:
    QObject& m_object;
    std::vector<QMetaProperty> m_properties;
    std::map<std::string, std::unique_ptr<QSignalSpy>> m_spies;
    QVariantMap m_before;
};

}  // namespace tarnwick::fakes
