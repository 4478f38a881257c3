#include "tests/fakes/fake_platform.h"

#include <memory>

namespace velmora::testing {
namespace {

std::string Ansi(const std::wstring& w) { return Narrow(w); }

}  // namespace

struct FakePlatform::Impl : Pointer, ScriptShell, KnownFolders, FileSystem, Registry, Shell, Wallpaper, Messages,
                            Processes {
  explicit Impl(FakePlatform& p) : fake(p) {}
  FakePlatform& fake;
  int tempCounter = 0;
  std::map<RegKey, std::string> openKeys;
  RegKey nextKey = 0x100;

  void Set(PointerShape shape) noexcept override {
    fake.log.push_back(shape == PointerShape::Hourglass ? "pointer hourglass" : "pointer default");
    fake.pointer = shape;
  }

  struct ShellObject : ScriptShellObject {
    explicit ShellObject(FakePlatform& f) : fake(f) { ++fake.liveShellObjects; }
    ~ShellObject() override {
      fake.log.push_back("shell release");
      --fake.liveShellObjects;
    }
    std::wstring SpecialFolder(std::string_view name) override {
      fake.log.push_back("shell folder " + std::string(name));
      fake.ThrowIfFailing("shell folder");
      const auto it = fake.scriptFolders.find(std::string(name));
      return it == fake.scriptFolders.end() ? L"" : it->second;
    }
    FakePlatform& fake;
  };
  std::unique_ptr<ScriptShellObject> Create() override {
    fake.log.push_back("shell create");
    fake.ThrowIfFailing("shell create");
    return std::make_unique<ShellObject>(fake);
  }

  std::wstring Path(std::string_view name) override {
    fake.log.push_back("known folder " + std::string(name));
    fake.ThrowIfFailing("known folder");
    const auto it = fake.knownFolders.find(std::string(name));
    if (it == fake.knownFolders.end()) throw OsError(2, L"The system cannot find the file specified.");
    return it->second;
  }

  struct Temp : TempFile {
    Temp(FakePlatform& f, std::wstring p) : fake(f), where(std::move(p)) {
      fake.files[where] = "";
      ++fake.openTempFiles;
    }
    ~Temp() override {
      if (open) --fake.openTempFiles;
    }
    const std::wstring& path() const override { return where; }
    void Write(std::string_view bytes) override {
      fake.log.push_back("file write " + std::to_string(bytes.size()));
      fake.ThrowIfFailing("file write");
      fake.files[where] += bytes;
    }
    void Close() override {
      fake.log.push_back("file close");
      fake.ThrowIfFailing("file close");
      open = false;
      --fake.openTempFiles;
    }
    FakePlatform& fake;
    std::wstring where;
    bool open = true;
  };
  std::unique_ptr<TempFile> CreateTemp(const std::wstring& folder) override {
    fake.log.push_back("file create-temp " + Ansi(folder));
    fake.ThrowIfFailing("file create-temp");
    if (!fake.folders.count(folder)) throw OsError(3, L"The system cannot find the path specified.");
    return std::make_unique<Temp>(fake, folder + L"\\~tmp" + std::to_wstring(++tempCounter) + L".tmp");
  }
  void Replace(const std::wstring& from, const std::wstring& to) override {
    fake.log.push_back("file replace " + Ansi(to));
    fake.ThrowIfFailing("file replace");
    fake.files[to] = fake.files[from];
    fake.files.erase(from);
  }
  void Remove(const std::wstring& path) noexcept override {
    fake.log.push_back("file remove");
    fake.files.erase(path);
  }
  bool IsOrdinaryFile(const std::wstring& path) override {
    fake.log.push_back("file exists " + Ansi(path));
    fake.ThrowIfFailing("file exists");
    return fake.files.count(path) != 0;
  }

  long Status(const std::string& call) {
    const auto it = fake.statusOf.find(call);
    return it == fake.statusOf.end() ? 0 : it->second;
  }
  long CreateKey(RegKey root, const std::string& path, RegKey& key) override {
    fake.log.push_back("reg create " + std::to_string(root) + " " + path);
    fake.ThrowIfFailing("reg create");
    if (long s = Status("reg create")) return s;
    fake.keys.insert(path);
    key = ++nextKey;
    openKeys[key] = path;
    return 0;
  }
  long OpenKey(RegKey root, const std::string& path, unsigned long access, RegKey& key) override {
    fake.log.push_back("reg open " + std::to_string(root) + " " + path + " " + std::to_string(access));
    if (long s = Status("reg open " + path)) return s;
    if (!fake.keys.count(path)) return 2;
    key = ++nextKey;
    openKeys[key] = path;
    return 0;
  }
  long SetValue(RegKey key, const std::string& name, unsigned long type,
                const std::vector<unsigned char>& data) override {
    fake.log.push_back("reg set " + name + " " + std::to_string(type) + " " + std::to_string(data.size()));
    fake.ThrowIfFailing("reg set");
    if (long s = Status("reg set")) return s;
    fake.registry[openKeys.at(key) + "\\" + name] = {type, data};
    return 0;
  }
  long QueryValue(RegKey key, const std::string& name, unsigned long& type, unsigned char* buffer,
                  unsigned long& size) override {
    fake.log.push_back("reg query " + name);
    if (long s = Status("reg query")) return s;
    const auto it = fake.registry.find(openKeys.at(key) + "\\" + name);
    if (it == fake.registry.end()) return 2;
    if (it->second.data.size() > size) return 234;  // ERROR_MORE_DATA
    type = it->second.type;
    size = static_cast<unsigned long>(it->second.data.size());
    std::copy(it->second.data.begin(), it->second.data.end(), buffer);
    return 0;
  }
  long CloseKey(RegKey key) override {
    fake.log.push_back("reg close");
    openKeys.erase(key);
    return Status("reg close");
  }

  void Execute(const std::string& operation, const std::string& file, const std::string& parameters,
               int show) noexcept override {
    fake.log.push_back("shell execute " + operation + " " + file + " [" + parameters + "] " + std::to_string(show));
  }

  bool SystemParametersInfo(unsigned action, unsigned param, const std::string& path, unsigned flags) override {
    fake.log.push_back("spi " + std::to_string(action) + " " + std::to_string(param) + " " + path + " " +
                       std::to_string(flags));
    fake.ThrowIfFailing("spi");
    return fake.wallpaperResult;
  }

  void Show(const std::wstring& text, const std::wstring& title, MessageKind kind) noexcept override {
    fake.log.push_back("message");
    fake.messages.push_back({text, title, kind});
  }

  void Start(const std::string& program) override {
    fake.log.push_back("start " + program);
    fake.ThrowIfFailing("start");
    fake.started.push_back(program);
  }
  std::string ExpandEnvironment(const std::string& text) override {
    std::string out = text;
    const std::string var = "%ProgramFiles%";
    if (auto at = out.find(var); at != std::string::npos) out.replace(at, var.size(), "C:\\Program Files");
    return out;
  }
};

FakePlatform::FakePlatform() : impl_(std::make_shared<Impl>(*this)) {}

void FakePlatform::Fail(const std::string& call, unsigned long code, std::wstring reason) {
  failing.insert(call);
  failCode_ = code;
  failReason_ = std::move(reason);
}

void FakePlatform::ThrowIfFailing(const std::string& call) const {
  if (Fails(call)) throw OsError(failCode_, failReason_);
}

std::vector<std::wstring> FakePlatform::TempFilesLeft() const {
  std::vector<std::wstring> left;
  for (const auto& [path, bytes] : files) {
    if (path.find(L"~tmp") != std::wstring::npos) left.push_back(path);
  }
  return left;
}

Ports FakePlatform::ports() {
  Impl& i = *impl_;
  return Ports{i, i, i, i, i, i, i, i, i};
}

}  // namespace velmora::testing
