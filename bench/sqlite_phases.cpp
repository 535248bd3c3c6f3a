#include "bench/sqlite_phases.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstring>

namespace vortena::bench {

namespace {

class Database {
 public:
  explicit Database(const std::string& path) {
    if (sqlite3_open(path.c_str(), &m_db) != SQLITE_OK) benchFailure("sqlite: open failed");
    exec("PRAGMA journal_mode=OFF");
    exec("PRAGMA synchronous=OFF");
  }
  ~Database() { sqlite3_close(m_db); }
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  void exec(const char* sql) {
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
      std::fprintf(stderr, "sqlite: %s: %s\n", sql, sqlite3_errmsg(m_db));
      benchFailure("sqlite statement failed");
    }
  }
  sqlite3* handle() { return m_db; }

 private:
  sqlite3* m_db = nullptr;
};

class Statement {
 public:
  Statement(Database& db, const char* sql) {
    if (sqlite3_prepare_v2(db.handle(), sql, -1, &m_stmt, nullptr) != SQLITE_OK) benchFailure("sqlite: prepare failed");
  }
  ~Statement() { sqlite3_finalize(m_stmt); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  sqlite3_stmt* get() { return m_stmt; }
  // One step of a statement that returns no row; then ready again.
  void run() {
    if (sqlite3_step(m_stmt) != SQLITE_DONE) benchFailure("sqlite: step failed");
    sqlite3_reset(m_stmt);
  }

 private:
  sqlite3_stmt* m_stmt = nullptr;
};

void bindKey(sqlite3_stmt* s, int column, const std::string& key) {
  sqlite3_bind_text(s, column, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
}

void copyBlob(sqlite3_stmt* s, int column, std::uint8_t* out) {
  if (sqlite3_column_bytes(s, column) != kRecordLength) benchFailure("sqlite: wrong record length");
  std::memcpy(out, sqlite3_column_blob(s, column), kRecordLength);
}

double insertPhase(const Workload& w, const std::string& path) {
  std::remove(path.c_str());
  Stopwatch clock;
  Database db(path);
  db.exec("CREATE TABLE goods(id INTEGER PRIMARY KEY, k TEXT NOT NULL UNIQUE, v BLOB NOT NULL)");
  db.exec("BEGIN");
  {
    Statement insert(db, "INSERT INTO goods(k, v) VALUES(?1, ?2)");
    for (int i = 0; i < w.count; ++i) {
      bindKey(insert.get(), 1, w.keys[static_cast<std::size_t>(i)]);
      sqlite3_bind_blob(insert.get(), 2, w.records[static_cast<std::size_t>(i)].data(), kRecordLength, SQLITE_STATIC);
      insert.run();
    }
  }
  db.exec("COMMIT");
  return clock.seconds();
}

double lookupPhase(const Workload& w, const std::string& path) {
  Record record{};
  Stopwatch clock;
  Database db(path);
  db.exec("BEGIN");
  {
    Statement select(db, "SELECT v FROM goods WHERE k = ?1");
    for (int j = 0; j < w.count; ++j) {
      const auto i = static_cast<std::size_t>(w.probeOrder[static_cast<std::size_t>(j)]);
      bindKey(select.get(), 1, w.keys[i]);
      if (sqlite3_step(select.get()) != SQLITE_ROW) benchFailure("sqlite lookup: key missing");
      copyBlob(select.get(), 0, record.data());
      if (record[0] != w.records[i][0]) benchFailure("sqlite lookup: wrong record");
      sqlite3_reset(select.get());
    }
  }
  db.exec("COMMIT");
  return clock.seconds();
}

double scanPhase(const Workload& w, const std::string& path, bool update) {
  Record record{};
  int seen = 0;
  Stopwatch clock;
  Database db(path);
  db.exec("BEGIN");
  {
    Statement scan(db, "SELECT id, v FROM goods ORDER BY k");
    Statement write(db, "UPDATE goods SET v = ?2 WHERE id = ?1");
    while (sqlite3_step(scan.get()) == SQLITE_ROW) {
      copyBlob(scan.get(), 1, record.data());
      if (update) {
        updateRecord(record.data());
        sqlite3_bind_int64(write.get(), 1, sqlite3_column_int64(scan.get(), 0));
        sqlite3_bind_blob(write.get(), 2, record.data(), kRecordLength, SQLITE_STATIC);
        write.run();
      }
      ++seen;
    }
  }
  db.exec("COMMIT");
  const double s = clock.seconds();
  if (seen != w.count) benchFailure("sqlite scan: wrong number of rows");
  return s;
}

double removePhase(const Workload& w, const std::string& path) {
  Stopwatch clock;
  Database db(path);
  db.exec("BEGIN");
  {
    Statement remove(db, "DELETE FROM goods WHERE k = ?1");
    for (int j = 0; j < w.count; ++j) {
      bindKey(remove.get(), 1, w.keys[static_cast<std::size_t>(w.probeOrder[static_cast<std::size_t>(j)])]);
      remove.run();
      if (sqlite3_changes(db.handle()) != 1) benchFailure("sqlite remove: key missing");
    }
  }
  db.exec("COMMIT");
  return clock.seconds();
}

}  // namespace

PhaseTimes runSqlitePhases(const Workload& w, const std::string& databasePath) {
  PhaseTimes t{};
  t[0] = insertPhase(w, databasePath);
  t[1] = lookupPhase(w, databasePath);
  t[2] = scanPhase(w, databasePath, false);
  t[3] = scanPhase(w, databasePath, true);
  t[4] = removePhase(w, databasePath);
  return t;
}

}  // namespace vortena::bench
