class MovedPort {};
class RealListed : public ListedPort {};
class RealScreen : public ScreenPort {};
class RealMoved : public MovedPort {};
class RealUnlisted : public UnlistedPort {};
