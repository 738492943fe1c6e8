zt_core_sources(base/bitmap.cpp base/cp932.cpp base/file_bytes.cpp base/paths.cpp base/unicode.cpp
                base/safe_replace.cpp base/dpi_scale.cpp base/format_text.cpp)
