#pragma once

// Watches every notifying property of an object, read through its meta-object as QML reads it.

#include <map>
#include <memory>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include <QMetaProperty>
#include <QSignalSpy>

namespace tarnwick::fakes {

class NotifyWatch {
public:
    using Names = std::set<std::string>;

    explicit NotifyWatch(QObject& object) : m_object(object) {
        const QMetaObject* meta = object.metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (!property.hasNotifySignal()) continue;
            const std::string signal = property.notifySignal().methodSignature().toStdString();
            m_before[property.name()] = {property.read(&object), signal};
            if (!m_spies[signal]) m_spies[signal] = std::make_unique<QSignalSpy>(&object, property.notifySignal());
        }
    }

    // `mustChange` changed, `mustStay` did not, and each signal fired once if one of its values changed, else never.
    void check(const Names& mustChange, const Names& mustStay = {}) const {
        for (const auto& name : mustChange) EXPECT_TRUE(changed(name)) << name << " did not change";
        for (const auto& name : mustStay) EXPECT_FALSE(changed(name)) << name << " changed";
        std::map<std::string, bool> due;
        for (const auto& [name, before] : m_before) due[before.second] |= changed(name);
        for (const auto& [signal, moved] : due) EXPECT_EQ(m_spies.at(signal)->count(), moved ? 1 : 0) << signal;
    }

private:
    // An unknown name throws, which fails the test.
    bool changed(const std::string& name) const { return m_before.at(name).first != m_object.property(name.c_str()); }

    QObject& m_object;
    std::map<std::string, std::pair<QVariant, std::string>> m_before;  // value and notify signal
    std::map<std::string, std::unique_ptr<QSignalSpy>> m_spies;
};

}  // namespace tarnwick::fakes
