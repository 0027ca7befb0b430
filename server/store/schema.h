// The numbered migrations of the server's schema. Migration n brings version n-1 to n; a
// released migration is never changed, a change of schema is a new one at the end.
#pragma once

#include <string>
#include <vector>

namespace ostrel::server {

// Statements of every migration in order; each is valid on SQLite and on PostgreSQL.
const std::vector<std::vector<std::string>>& SchemaMigrations();

}  // namespace ostrel::server
