// One simulated MAPI world: the scenario its fakes follow, the number of its fake objects
// alive, and the journal of every call made on them.
//
//   sim::World world(sim::Scenario::FromText("cdo.logon = error 0x80040111 \"failed\""));
//   ... create objects through sim::CreateCdoSession(world, iid, &object) ...
//   EXPECT_EQ(world.Live(), 0);
//   world.Journal()   // "new cdo.session (live 1)", "call cdo.session.Logon(...)", ...
//
// The journal lines are ASCII text (see journal_text.h); a sink, when set, also gets each
// line as it is recorded (the COM server writes them to a file).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "sim/dialog_choice.h"
#include "sim/scenario.h"

namespace quorvel::sim {

class World {
 public:
  using Sink = std::function<void(const std::string& line)>;
  // Answers each call in the scenario's place: given the key and the call's number (from
  // 1), the outcome. The fuzzer decides every call this way.
  using Answers = std::function<Outcome(const std::string& key, int call)>;

  explicit World(Scenario scenario = Scenario::Healthy()) : scenario_(std::move(scenario)) {}
  explicit World(Answers answers) : answers_(std::move(answers)) {}
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  // The outcome of the next call of key; each key counts its own calls.
  Outcome Next(const std::string& key);

  // Journals a line. Never throws: a line that memory cannot hold is left out, so that an
  // object's release, which journals, cannot fail.
  void Record(std::string line) noexcept;
  void SetSink(Sink sink) { sink_ = std::move(sink); }
  const std::vector<std::string>& Journal() const { return journal_; }

  // Called by every fake object when it is made and when its last reference goes.
  void ObjectCreated(const std::string& name) noexcept;
  void ObjectDestroyed(const std::string& name) noexcept;
  int Live() const { return live_; }

  // Who answers the address book dialog of a `dialog` outcome. Without one, an operator who
  // picks the first entry and presses OK at once, so host tests never wait on a window.
  void SetDialogOperator(DialogOperator dialogOperator) {
    dialogOperator_ = std::move(dialogOperator);
  }
  DialogChoice ShowDialog(const DialogRequest& request) const;

 private:
  // The live count changed by `change`, journalled as "<event><name> (live N)".
  void CountLive(const char* event, const std::string& name, int change) noexcept;

  Scenario scenario_;
  Answers answers_;
  std::map<std::string, int> calls_;
  std::vector<std::string> journal_;
  Sink sink_;
  DialogOperator dialogOperator_;
  int live_ = 0;
};

}  // namespace quorvel::sim
