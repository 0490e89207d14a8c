import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// The working hours: the switch, and while it is on a row per weekday with its time ranges, and a
// button that gives Tuesday to Friday Monday's hours. The section makes its own view model from the
// model it is given, so a pane shown afresh starts afresh.
FormSection {
    id: section
    required property AppModel model

    title: hours.heading
    footer: hours.summary

    WorkingHoursViewModel {
        id: hours
        model: section.model
    }

    FormRow {
        FormToggle {
            objectName: "workingHoursEnabled"
            text: hours.switchText
            value: hours.enabled
            onToggledTo: (on) => hours.setEnabled(on)
        }
    }
    Repeater {
        model: hours.enabled ? 7 : 0
        onItemAdded: (index, item) => (item as WorkingHoursDay).hours = hours
        WorkingHoursDay {}
    }
    FormRow {
        visible: hours.enabled
        FormButton {
            objectName: "copyMonday"
            text: hours.copyMondayText
            Accessible.description: hours.copyMondayDescription
            onClicked: hours.copyMondayToWeekdays()
        }
        Item { Layout.fillWidth: true }
    }
}
