class ListedPort {};
class ScreenPort {};
class UnlistedPort {};
