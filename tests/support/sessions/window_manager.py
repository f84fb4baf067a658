#!/usr/bin/python3
"""The least of a window manager, for the test sessions: it maps and places
windows as they ask and keeps their WM_STATE, and as every window manager
does it keeps a window no smaller than the least size it asks for
(WM_NORMAL_HINTS). Wine waits up to two seconds for a window manager to
acknowledge every window it hides or destroys; this one answers at once. It
draws no frames and moves nothing.
Usage: window_manager.py (on $DISPLAY, until killed)"""

from Xlib import X, Xutil, display

NORMAL_STATE = 1
WITHDRAWN_STATE = 0


def main():
    screen = display.Display()
    screen.set_error_handler(lambda *arguments: None)  # windows may vanish at any time
    root = screen.screen().root
    wm_state = screen.intern_atom("WM_STATE")
    root.change_attributes(event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    screen.sync()

    def set_state(window, state):
        window.change_property(wm_state, wm_state, 32, [state, X.NONE])

    while True:
        event = screen.next_event()
        if event.type == X.MapRequest:
            event.window.map()
            set_state(event.window, NORMAL_STATE)
        elif event.type == X.ConfigureRequest:
            changes = {}
            for name, flag in (("x", X.CWX), ("y", X.CWY), ("width", X.CWWidth),
                               ("height", X.CWHeight), ("border_width", X.CWBorderWidth),
                               ("stack_mode", X.CWStackMode)):
                if event.value_mask & flag:
                    changes[name] = getattr(event, name)
            if event.value_mask & X.CWSibling and "stack_mode" in changes:
                changes["sibling"] = event.above
            hints = event.window.get_wm_normal_hints()
            if hints is not None and hints.flags & Xutil.PMinSize:
                for name, least in (("width", hints.min_width), ("height", hints.min_height)):
                    if name in changes:
                        changes[name] = max(changes[name], least)
            event.window.configure(**changes)
        elif event.type == X.UnmapNotify and event.event == root:
            set_state(event.window, WITHDRAWN_STATE)
        elif event.type == X.CirculateRequest:
            event.window.circulate(event.place)
        screen.flush()


if __name__ == "__main__":
    main()
