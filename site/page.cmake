# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT

# The site's page writer, run at build time (cmake -P) by site.cmake for each program:
#   cmake -DFACTS=<command that prints the program's page facts> -DPROGRAM=<program>
#         -DNAME=<the name the page shows> -DTEMPLATE=<program.html.in> -DOUTPUT=<page>
#         -P page.cmake
# FACTS is page_facts (page_facts.cpp) with how to run it; what it prints is JSON.

execute_process(COMMAND ${FACTS} ${PROGRAM} OUTPUT_VARIABLE facts RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "site/page.cmake: page_facts ${PROGRAM} failed (${status})")
endif()

set(PAGE_PROGRAM ${PROGRAM})
set(PAGE_NAME ${NAME})
string(JSON PAGE_WIDTH GET "${facts}" width)
string(JSON PAGE_HEIGHT GET "${facts}" height)
string(JSON PAGE_HINT GET "${facts}" hint)
string(JSON PAGE_TOUCH_HINT GET "${facts}" touchHint)

set(files)
string(JSON count LENGTH "${facts}" files)
if(count GREATER 0)
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    string(JSON file GET "${facts}" files ${i})
    list(APPEND files ${file})
  endforeach()
endif()
string(REPLACE ";" " " PAGE_FILES "${files}")

# The choices of what a finger's drag is, as radio buttons; the first is chosen at start. The
# page's script reads the chosen one (touch-modifiers) for the program.
set(PAGE_TOUCH_DRAGS "")
string(JSON count LENGTH "${facts}" touchDrags)
if(count GREATER 0)
  set(choices "")
  set(checked " checked")
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    string(JSON label GET "${facts}" touchDrags ${i} label)
    string(JSON modifiers GET "${facts}" touchDrags ${i} modifiers)
    string(APPEND choices "<label><input type=\"radio\" name=\"touch-modifiers\" \
value=\"${modifiers}\"${checked}> ${label}</label>\n")
    set(checked "")
  endforeach()
  set(PAGE_TOUCH_DRAGS
      "<fieldset id=\"touch-drags\">\n<legend>A finger's drag</legend>\n${choices}</fieldset>")
endif()

# Touched as well: configure_file leaves a page that comes out the same as it was, and the rule
# would run again.
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
file(TOUCH ${OUTPUT})
