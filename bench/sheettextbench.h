#pragma once

// Reading a copied sheet of 1 and 10 MB (a valid one, and garbage) beside a plain scan of
// the same bytes, and a paste's whole answer (the parser and the box's text) beside both.
void registersheettextbenchmarks();
