// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Two programs changing one register at the same time: each has its own
// connection (here each in a thread of its own, as Qt's connections are
// bound to the thread that made them), and nothing either wrote is lost.

#include <gtest/gtest.h>

#include <QSet>
#include <atomic>
#include <thread>
#include <vector>

#include "backend.h"
#include "registertestsupport.h"
#include "register/subjectregister.h"

namespace prsrg::testing {
namespace {

using RegisterConcurrency = OnBothBackends;

constexpr int SubjectsPerProgram = 40;

struct ProgramLog {
  QList<qint64> created;
  QStringList failures;
};

// One program: creates subjects, makes each current, records a data file
// for it, renames it, and asks for its directory.
void RunProgram(const RegisterLocation& where, const QString& tag, std::atomic<int>& ready,
                ProgramLog& log) {
  SubjectRegister reg;
  if (Status opened = reg.Open(where); !opened.ok) {
    log.failures << opened.message;
    ready.fetch_add(1);
    return;
  }
  // Start writing together, so the two really overlap.
  ready.fetch_add(1);
  while (ready.load() < 2) std::this_thread::yield();

  for (int i = 0; i < SubjectsPerProgram; ++i) {
    Subject s = MakeSubject(QStringLiteral("%1 %2").arg(tag).arg(i));
    Result<qint64> id = reg.Create(s);
    if (!id.Ok()) {
      log.failures << id.message;
      continue;
    }
    log.created << *id.value;
    s.id = *id.value;
    s.comment1 = QStringLiteral("edited");
    const QString file = QStringLiteral("/data/%1/%2.aly").arg(tag).arg(i);
    for (const Status& status :
         {reg.Choose(*id.value, file), reg.Update(s), reg.Directory(*id.value).ToStatus()}) {
      if (!status.ok) log.failures << status.message;
    }
  }
}

TEST_P(RegisterConcurrency, TwoProgramsWritingAtOnceLoseNothing) {
  // Both open the register at once as well: the first start creates it.
  const RegisterLocation a = m_backend->Location(QStringLiteral("station-a"));
  const RegisterLocation b = m_backend->Location(QStringLiteral("station-b"));
  std::atomic<int> ready{0};
  ProgramLog logA;
  ProgramLog logB;
  std::thread first([&] { RunProgram(a, QStringLiteral("A"), ready, logA); });
  std::thread second([&] { RunProgram(b, QStringLiteral("B"), ready, logB); });
  first.join();
  second.join();
  EXPECT_TRUE(logA.failures.isEmpty()) << logA.failures.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(logB.failures.isEmpty()) << logB.failures.join(QLatin1Char('\n')).toStdString();

  SubjectRegister reg;
  Open(reg, QStringLiteral("station-a"));
  Result<QList<Subject>> all = reg.Search(QString(), 10'000);
  ASSERT_TRUE(all.Ok());
  ASSERT_EQ(all.value->size(), 2 * SubjectsPerProgram);
  QSet<QString> directories;
  for (const Subject& s : *all.value) {
    EXPECT_EQ(s.comment1, QStringLiteral("edited")) << s.name.toStdString();
    EXPECT_FALSE(s.directory.isEmpty());
    directories.insert(s.directory);
  }
  EXPECT_EQ(directories.size(), 2 * SubjectsPerProgram) << "every directory is its own";
  for (const auto& [tag, log] :
       {std::pair{QStringLiteral("A"), &logA}, {QStringLiteral("B"), &logB}}) {
    ASSERT_EQ(log->created.size(), SubjectsPerProgram);
    for (int i = 0; i < SubjectsPerProgram; ++i) {
      EXPECT_EQ(reg.SubjectOfDataFile(QStringLiteral("/data/%1/%2.aly").arg(tag).arg(i)).value,
                Found(log->created[i]));
    }
  }
  // Each station kept its own last choice.
  EXPECT_EQ((*reg.Current().value)->id, logA.created.last());
  SubjectRegister other;
  Open(other, QStringLiteral("station-b"));
  EXPECT_EQ((*other.Current().value)->id, logB.created.last());
}

// Several programs opening files of the same unknown subjects at once: each
// record becomes one subject, whoever adopts it first.
TEST_P(RegisterConcurrency, ProgramsAdoptingTheSameRecordsAtOnceMakeEachSubjectOnce) {
  constexpr std::size_t Programs = 4;
  constexpr int Records = 30;
  std::atomic<int> ready{0};
  std::vector<QList<qint64>> adopted(Programs);
  std::vector<QStringList> failures(Programs);
  std::vector<std::thread> programs;
  for (std::size_t p = 0; p < Programs; ++p) {
    programs.emplace_back([&, p] {
      SubjectRegister reg;
      const Status opened = reg.Open(m_backend->Location(QStringLiteral("station-%1").arg(p)));
      ready.fetch_add(1);
      if (!opened.ok) {
        failures[p] << opened.message;
        return;
      }
      while (ready.load() < static_cast<int>(Programs)) std::this_thread::yield();
      for (int i = 0; i < Records; ++i) {
        Result<qint64> id = reg.Adopt(MakeSubject(QStringLiteral("Shared %1").arg(i)));
        if (id.Ok()) {
          adopted[p] << *id.value;
        } else {
          failures[p] << id.message;
        }
      }
    });
  }
  for (std::thread& program : programs) program.join();
  for (const QStringList& failed : failures) {
    ASSERT_TRUE(failed.isEmpty()) << failed.join(QLatin1Char('\n')).toStdString();
  }
  for (std::size_t p = 1; p < Programs; ++p) EXPECT_EQ(adopted[p], adopted[0]) << "program " << p;

  SubjectRegister reg;
  Open(reg);
  Result<QList<Subject>> all = reg.Search(QString(), 10'000);
  ASSERT_TRUE(all.Ok());
  EXPECT_EQ(all.value->size(), Records);
}

PRSRG_ON_BOTH_BACKENDS(RegisterConcurrency);

}  // namespace
}  // namespace prsrg::testing
