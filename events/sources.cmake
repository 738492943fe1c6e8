zt_win_sources(events/pending.cpp)
