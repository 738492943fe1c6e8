zt_core_sources(mail/account_format.cpp mail/pop3_dialogue.cpp)
zt_win_sources(mail/pending.cpp)
zt_win_libs(wsock32 rasapi32)
