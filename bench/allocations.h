#pragma once

// Counts the program's heap allocations, Qt's own included: the C library's malloc, calloc and
// realloc are replaced by forwarders that count each call (operator new goes through malloc).
namespace bench {

long allocations();

}  // namespace bench
