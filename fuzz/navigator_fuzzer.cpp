// The input is a little program: each operation byte is followed by its arguments.
// Registry operations drive one RegistryNavigator over the in-memory registry and are
// checked against a model of the registry and of the navigator's path rules. A short
// input simply ends the program.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "fuzz_check.h"
#include "platform/win_values.h"
#include "services/registry_navigator.h"
#include "text/errors.h"

namespace velkaris::fuzz {
namespace {

// --- input decoding -----------------------------------------------------------

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return pos_ >= size_; }
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    // A length byte, then that many bytes (fewer at the end of the input).
    std::string Text() {
        const std::size_t wanted = Byte();
        const std::size_t length = std::min(wanted, size_ - std::min(pos_, size_));
        std::string text(reinterpret_cast<const char*>(data_ + pos_), length);
        pos_ += length;
        return text;
    }
    // Mostly small numbers around the ends of short texts, sometimes the extremes.
    std::int32_t Int() {
        const std::uint8_t kind = Byte();
        if (kind < 0xF0) return static_cast<std::int32_t>(kind) - 8;
        switch (kind) {
            case 0xF0: return std::numeric_limits<std::int32_t>::min();
            case 0xF1: return std::numeric_limits<std::int32_t>::max();
            case 0xF2: return std::numeric_limits<std::int32_t>::min() + 1;
            case 0xF3: return std::numeric_limits<std::int32_t>::max() - 1;
            default: {
                std::uint32_t raw = 0;
                for (int i = 0; i < 4; ++i) raw = (raw << 8) | Byte();
                return static_cast<std::int32_t>(raw);
            }
        }
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// --- registry model -----------------------------------------------------------------

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

struct ModelKey {
    std::map<std::string, ModelKey> children;  // by lower-cased name
    std::map<std::string, std::string> values;  // lower-cased name -> data
    bool readOnly = false;
};

enum class Call { Open, Create, SetValue, Close };
const char* CallName(Call call) {
    switch (call) {
        case Call::Open: return "RegOpenKeyExA";
        case Call::Create: return "RegCreateKeyExA";
        case Call::SetValue: return "RegSetValueExA";
        case Call::Close: return "RegCloseKey";
    }
    return "";
}


const char* const NAMES[] = {"Software", "SOFTWARE", "Microsoft", "Office", "11.0", "12.0",
                              "Word",     "Custom Labels", "Locked", "Inner", "x", "Y"};
constexpr std::size_t NAME_COUNT = sizeof(NAMES) / sizeof(NAMES[0]);

class RegistrySession {
public:
    RegistrySession() {
        Add("Software\\Microsoft\\Office\\11.0\\Word", false);
        Add("Software\\Microsoft\\Office\\12.0\\Word", false);
        Add("Software\\Locked", true);
        Add("Software\\Locked\\Inner", false);
        navigator_ = std::make_unique<RegistryNavigator>(platform_);
        CheckState("creation");
    }

    void Select(const std::string& keyPath, bool mayCreate) {
        const KeyHandle oldHandle = navigator_->OpenHandle();
        const std::string oldPath = navigator_->KeyPath();

        // Prediction from the rules and the model.
        const bool relative = keyPath.empty() || keyPath[0] != '\\';
        const std::string rest = relative ? keyPath : keyPath.substr(1);
        const bool fromCurrent = relative && open_;
        const bool create = mayCreate && !rest.empty();
        const Call call = create ? Call::Create : Call::Open;
        bool predicted = true;
        std::vector<std::string> target = fromCurrent ? current_ : std::vector<std::string>();
        std::vector<std::string> parts;
        if (Armed(call)) {
            predicted = false;
        } else if (!fake::SplitKeyPath(rest, parts)) {
            predicted = false;
        } else {
            ModelKey* key = Find(target);
            for (const std::string& part : parts) {
                const std::string name = Lower(part);
                if (key->children.count(name) == 0 && (!create || key->readOnly)) {
                    predicted = false;
                    break;
                }
                key = &key->children[name];
                target.push_back(name);
            }
            if (predicted && key->readOnly) predicted = false;
        }
        Disarm(call);
        if (predicted && open_) Disarm(Call::Close);

        const bool result = navigator_->SelectKey(keyPath, mayCreate);
        const std::string what = std::string("SelectKey(\"") + Visible(keyPath) + "\", " +
                                 (mayCreate ? "true" : "false") + ")";
        Check(result == predicted, what + " gave " + (result ? "true" : "false") +
                                       " where the model expects the other");
        if (!result) {
            Check(navigator_->OpenHandle() == oldHandle && navigator_->KeyPath() == oldPath,
                  what + " failed but changed the current key");
        } else {
            Check(navigator_->OpenHandle() != 0 && navigator_->OpenHandle() != oldHandle,
                  what + " succeeded without a new handle");
            const std::string expectedPath = fromCurrent ? oldPath + "\\" + rest : rest;
            Check(navigator_->KeyPath() == expectedPath,
                  what + " left keyPath \"" + Visible(navigator_->KeyPath()) + "\", expected \"" +
                      Visible(expectedPath) + "\"");
            // The model takes what the create made.
            if (create) {
                ModelKey* key = Find(fromCurrent ? current_ : std::vector<std::string>());
                for (const std::string& part : parts) key = &key->children[Lower(part)];
            }
            open_ = true;
            current_ = target;
        }
        CheckState(what);
    }

    void Write(const std::string& name, const std::string& bytes) {
        const KeyHandle oldHandle = navigator_->OpenHandle();
        const std::string oldPath = navigator_->KeyPath();
        const bool predicted = open_ && !Armed(Call::SetValue);
        Disarm(Call::SetValue);
        bool raised = false;
        try {
            navigator_->WriteBinaryValue(name, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                         static_cast<std::int32_t>(bytes.size()));
        } catch (const ERegistryException& error) {
            raised = true;
            Check(error.Message() == "Failed to set data for '" + name + "'",
                  "unexpected message: " + Visible(error.Message()));
        }
        const std::string what = "WriteBinaryValue(\"" + Visible(name) + "\")";
        Check(raised != predicted, what + (raised ? " raised" : " did not raise"));
        Check(navigator_->OpenHandle() == oldHandle && navigator_->KeyPath() == oldPath,
              what + " changed the current key");
        if (predicted) {
            Find(current_)->values[Lower(name)] = bytes;
            const fake::RegKey* key = FakeKey(current_);
            Check(key != nullptr, what + ": the current key is missing from the registry");
            const auto it = key->values.find(name);
            Check(it != key->values.end() && it->second.type == win::REG_BINARY &&
                      it->second.data == bytes,
                  what + " did not store the bytes as REG_BINARY under the current key");
        }
        CheckState(what);
    }

    void Release() {
        if (open_) Disarm(Call::Close);
        navigator_->ReleaseCurrentKey();
        open_ = false;
        current_.clear();
        CheckState("ReleaseCurrentKey");
    }

    void Arm(Call call, std::uint32_t error) {
        if (armed_.size() > 64) return;  // enough faults for one input
        platform_.FailCall(CallName(call), platform_.CallCount(CallName(call)) + 1,
                           error == 0 ? 5 : error);
        armed_[call] = true;
    }

    void Finish() {
        navigator_.reset();
        Check(platform_.OpenKeyCount() == 0, "a key handle is open after the navigator went");
        Check(platform_.misuse.empty(), "key handle misuse: " + MisuseText());
        CompareTrees(model_, platform_.hkcu, "HKCU");
    }

private:
    void Add(const std::string& path, bool readOnly) {
        platform_.AddKey(path).readOnly = readOnly;
        std::vector<std::string> parts;
        fake::SplitKeyPath(path, parts);
        ModelKey* key = &model_;
        for (const std::string& part : parts) key = &key->children[Lower(part)];
        key->readOnly = readOnly;
    }

    ModelKey* Find(const std::vector<std::string>& path) {
        ModelKey* key = &model_;
        for (const std::string& part : path) key = &key->children.at(part);
        return key;
    }

    const fake::RegKey* FakeKey(const std::vector<std::string>& path) const {
        const fake::RegKey* key = &platform_.hkcu;
        for (const std::string& part : path) {
            const auto it = key->subkeys.find(part);
            if (it == key->subkeys.end()) return nullptr;
            key = &it->second;
        }
        return key;
    }

    bool Armed(Call call) const {
        const auto it = armed_.find(call);
        return it != armed_.end() && it->second;
    }
    void Disarm(Call call) {
        if (armed_.count(call)) armed_[call] = false;
    }

    std::string MisuseText() const {
        std::string text;
        for (const std::string& m : platform_.misuse) text += m + "; ";
        return text;
    }

    void CheckState(const std::string& after) {
        const bool hasKey = navigator_->OpenHandle() != 0;
        Check(platform_.OpenKeyCount() <= 1,
              "after " + after + ": " + std::to_string(platform_.OpenKeyCount()) + " key handles open");
        Check(platform_.OpenKeyCount() == (hasKey ? 1u : 0u),
              "after " + after + ": the navigator's handle and the open handles disagree");
        Check(hasKey || navigator_->KeyPath().empty(),
              "after " + after + ": no key open but keyPath is \"" +
                  Visible(navigator_->KeyPath()) + "\"");
        Check(hasKey == open_, "after " + after + ": a key is " + (hasKey ? "" : "not ") +
                                   "open where the model expects the other");
        Check(platform_.misuse.empty(), "after " + after + ": key handle misuse: " + MisuseText());
    }

    void CompareTrees(const ModelKey& model, const fake::RegKey& key, const std::string& where) {
        Check(model.children.size() == key.subkeys.size(),
              where + ": the registry holds " + std::to_string(key.subkeys.size()) +
                  " subkeys, the model " + std::to_string(model.children.size()));
        Check(model.values.size() == key.values.size(), where + ": value counts differ");
        for (const auto& [name, child] : key.subkeys) {
            const auto it = model.children.find(Lower(name));
            Check(it != model.children.end(), where + ": unexpected key \"" + Visible(name) + "\"");
            CompareTrees(it->second, child, where + "\\" + Visible(name));
        }
    }

    fake::FakePlatform platform_;
    ModelKey model_;
    std::unique_ptr<RegistryNavigator> navigator_;
    bool open_ = false;
    std::vector<std::string> current_;  // lower-cased names below HKEY_CURRENT_USER
    std::map<Call, bool> armed_;
};

// A key path made of known names, with 0 to 2 leading and trailing backslashes and
// single or double separators; a name may also be raw bytes from the input.
std::string DecodeKeyPath(Reader& in) {
    const std::uint8_t shape = in.Byte();
    const int leading = shape % 3;
    const int trailing = (shape / 3) % 3;
    const int names = (shape / 9) % 5;
    const bool doubled = (shape / 45) % 2 == 1;
    std::string path(static_cast<std::size_t>(leading), '\\');
    for (int i = 0; i < names; ++i) {
        if (i > 0) path += doubled && i == 1 ? "\\\\" : "\\";
        const std::uint8_t pick = in.Byte();
        path += pick < NAME_COUNT ? std::string(NAMES[pick]) : in.Text();
    }
    path += std::string(static_cast<std::size_t>(trailing), '\\');
    return path;
}

}  // namespace
}  // namespace velkaris::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkaris::fuzz;
    Reader in(data, size);
    RegistrySession registry;
    int operations = 0;
    while (!in.AtEnd() && operations++ < 256) {
        const std::uint8_t op = in.Byte();
        switch (op % 6) {
            case 0:
            case 1: {
                const std::string path = op % 6 == 0 ? DecodeKeyPath(in) : in.Text();
                registry.Select(path, (in.Byte() & 1) != 0);
                break;
            }
            case 2: {
                const std::string name = in.Text();
                registry.Write(name, in.Text());
                break;
            }
            case 3: registry.Release(); break;
            case 4: registry.Release(); break;
            case 5: {
                const std::uint8_t which = in.Byte();
                registry.Arm(static_cast<Call>(which % 4), which / 4);
                break;
            }
        }
    }
    registry.Finish();
    return 0;
}
