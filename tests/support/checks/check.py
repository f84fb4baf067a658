"""The failures of one run of a scripted check, all of them told at its end."""


class Check:
    def __init__(self):
        self.failures = []

    def equal(self, actual, expected, what):
        if actual != expected:
            self.failures.append(f"{what}: expected {expected!r}, got {actual!r}")

    def true(self, condition, what):
        if not condition:
            self.failures.append(what)

    def report(self, name):
        """Prints the failures and the verdict; the exit status."""
        for failure in self.failures:
            print("FAILED:", failure)
        print(f"{name}: {'passed' if not self.failures else 'failed'}")
        return 1 if self.failures else 0
