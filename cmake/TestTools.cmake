# SPDX-License-Identifier: GPL-3.0-or-later
# The tools the tests need beyond the build itself. A machine set up only to
# build and run Tavrel lacks them: the tests that need a missing tool are left
# out, and one line at the end of the configure names them. The test command
# sets TAVREL_REQUIRE_TEST_TOOLS, so that CI stops at the configure instead of
# passing with tests silently missing.

include(FeatureSummary)

if(TAVREL_REQUIRE_TEST_TOOLS)
  set(TAVREL_TEST_TOOL_NEED REQUIRED)
else()
  set(TAVREL_TEST_TOOL_NEED "")
endif()

# Finds `program` into the cache variable `var`; `tests` names what is left
# out without it and `package` the Debian package that brings it.
function(tavrel_find_test_tool var program package tests)
  find_program(${var} ${program} ${TAVREL_TEST_TOOL_NEED})
  add_feature_info("${tests}" ${var} "needs ${program} from ${package}")
endfunction()

# Records whether `tests` can be built, for the summary line.
function(tavrel_test_feature tests found need)
  add_feature_info("${tests}" ${found} "needs ${need}")
endfunction()

# The one line naming every test left out, printed after all were looked for.
function(tavrel_test_summary)
  feature_summary(VAR left_out WHAT DISABLED_FEATURES QUIET_ON_EMPTY)
  # Its " * name, description" lines, joined into one.
  string(REGEX MATCHALL "\\* [^\n]*" items "${left_out}")
  list(TRANSFORM items REPLACE "^\\* " "")
  list(JOIN items "; " line)
  if(line)
    message(STATUS "Tests left out (install-deps.sh test installs their tools): ${line}")
  endif()
endfunction()
