#include <cstdio>

#include "app/app.h"

namespace {

const char* const kHelpLines[] = {
    "Welcome to the Tesk 2006 Course work",
    "\tPress h or H for help",
    "\tPress x, X, q, or Q to exit",
    "\tPress z or Z to reset Zoom",
    "\tPress m or M to reset Move",
    "\tPress r or R to reset Rotation",
    "\tPress n or N to view Normal filled polygons",
    "\tPress l or L to view the Lines that make the polygons",
    "\tPress p or P to view the Points that make the polygons",
    "\tPress s or S to toggle between fixed light and Sun light",
    "\tPress f or F to toggle the Fog on or off",
};

}  // namespace

void printHelp() {
    for (const char* line : kHelpLines) {
        std::fputs(line, stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
}
