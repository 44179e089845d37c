.pragma library

// Enter or Return on a focused button presses it, as Space does: its action is triggered, a
// checkable button toggles, and clicked() is emitted for handlers.
function press(control, event) {
    if (!control.enabled)
        return
    event.accepted = true
    if (control.action) {
        control.action.trigger(control)
        return
    }
    if (control.checkable)
        control.toggle()
    control.clicked()
}
