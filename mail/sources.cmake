zt_win_sources(mail/pending.cpp)
zt_win_libs(wsock32 rasapi32)
