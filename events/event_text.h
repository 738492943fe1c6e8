// The event file's text as a whole: walking its lines and removing some.
// Line indexes count line feeds from the start, as the event list does.
#pragma once
#include <stddef.h>

#include "events/event_line.h"

// Copies the line that starts at pos into line (at most EVENT_LINE_SIZE - 1
// bytes, never half a character) and gives the start of the next line.
size_t ReadEventLine(const char* text, size_t length, size_t pos, char line[EVENT_LINE_SIZE]);

// Removes the lines whose indexes are listed in ascending order, each
// with its line feed, keeping every other byte in place; gives the new
// length.
size_t RemoveTextLines(char* text, size_t length, const size_t* indexes, size_t count);
