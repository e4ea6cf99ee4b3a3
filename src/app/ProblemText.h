#pragma once

#include "app/Platform.h"

#include <string>

// A reason shown under an error box's first line, for one problem.
template <typename Problem>
struct ProblemReason {
    Problem problem;
    const char* reason;
};

// The error box's text: what went wrong, and on the next line why, from the
// handler's table of reasons; a problem the table leaves out has no reason.
template <typename Problem, std::size_t N>
std::string problemText(const std::string& what, Problem problem, const ProblemReason<Problem> (&reasons)[N])
{
    for (const ProblemReason<Problem>& r : reasons)
        if (r.problem == problem) return what + kLineBreak + r.reason;
    return what + kLineBreak;
}
