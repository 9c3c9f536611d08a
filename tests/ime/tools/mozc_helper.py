# Drives the real Mozc through mozc_emacs_helper (as uid 65534: the server refuses root).
import subprocess, re, os, sys
class Mozc:
    def __init__(self):
        home = '/tmp/mozcnobody'  # the server wants a writable ~/.config/mozc
        os.makedirs(home + '/.config', exist_ok=True)
        for d in (home, home + '/.config'): os.chown(d, 65534, 65534)
        env = dict(os.environ, HOME=home)
        self.p = subprocess.Popen(['setpriv', '--reuid=65534', '--regid=65534', '--clear-groups',
                                   'mozc_emacs_helper'], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  env=env, text=True, bufsize=1)
        self.p.stdout.readline()
        self.ev = 0
        r = self.cmd('CreateSession')
        self.sid = int(re.search(r'emacs-session-id \. (\d+)', r).group(1))
    def cmd(self, s):
        self.ev += 1
        self.p.stdin.write('(%d %s)\n' % (self.ev, s)); self.p.stdin.flush()
        while True:
            line = self.p.stdout.readline()
            if not line: raise RuntimeError('helper died')
            if '(emacs-event-id . %d)' % self.ev in line: return line
    def key(self, k):
        if isinstance(k, str) and len(k) == 1: k = str(ord(k))
        return self.cmd('SendKey %d %s' % (self.sid, k))
    def run(self, letters, final='enter'):
        """Types letters, then presses final ('enter' commits the preedit as is; 'f6' first
        converts the whole composition to hiragana as the conversion does). Returns the result."""
        for c in letters: self.key(c)
        if final == 'f6':
            self.key('f6')
        r = self.key('enter')
        m = re.search(r'\(result \. \(\(type \. string\)\(value \. "([^"]*)"', r)
        return m.group(1) if m else ''
    def preedit(self, letters):
        r = None
        for c in letters: r = self.key(c)
        m = re.search(r'\(preedit \. .*?\(value \. "([^"]*)"', r)
        self.key('escape'); self.key('escape')
        return m.group(1) if m else ''
if __name__ == '__main__':
    m = Mozc()
    for w in sys.argv[1:]:
        print(w, m.run(w.lower()), m.run(w.lower(), 'f6'))
