zt_core_sources(events/event_line.cpp events/event_text.cpp events/event_plan.cpp
  events/event_calendar.cpp)
zt_win_sources(
  events/event_platform.cpp events/event_actions.cpp events/event_store.cpp
  events/event_runner.cpp events/event_dialog.cpp)
zt_win_libs(advapi32 user32)
