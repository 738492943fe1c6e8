zt_win_sources(skins/pending.cpp)
