#pragma once

#include <functional>

class QPrinter;

// Runs one print job and makes its failure the user's to see. Qt only warns on standard error
// when a printer or the file it prints into cannot take the document; this throws
// std::runtime_error with the reason instead, which the general error display shows. print
// draws the pages and returns false when it could not start.
void printOrFail(QPrinter& printer, const std::function<bool(QPrinter&)>& print);
