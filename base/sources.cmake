zt_core_sources(base/cp932.cpp base/file_bytes.cpp base/safe_replace.cpp)
