zt_core_sources(mail/account_format.cpp mail/pop3_dialogue.cpp mail/wake_rule.cpp
  mail/certificate_verdict.cpp mail/tls_memory.cpp)
zt_win_sources(
  mail/account_file.cpp mail/mail_check.cpp mail/mail_list.cpp mail/settings_dialog.cpp
  mail/account_dialog.cpp mail/arrival_dialog.cpp mail/mail_socket.cpp mail/tls_channel.cpp
  mail/tls_memory_file.cpp)
