class FakeListed : public ListedPort {};
struct FakeScreen : ScreenPort {};
struct FakeUnlisted : UnlistedPort {};
