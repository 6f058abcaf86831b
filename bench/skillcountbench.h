#pragma once

// skillcount over sheets of 7 tables x 2,000 rows with 20,000 taken skills, and 4 and 16
// times that, beside the scan of takenskills from the start for every row.
void registerskillcountbenchmarks();
