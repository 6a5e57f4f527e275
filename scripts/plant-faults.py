#!/usr/bin/env python3
# Plants one small realistic fault at a time (a comparison or a logical operator turned, an
# off-by-one, a call dropped) at a random line of the program folders, builds, runs the fast
# tests (the unit tests, the window tests, the window's size on four screens, the accessibility
# events, the first picture and the start, no driver script or other whole-program test), and prints
# whether any failed. It edits the sources and puts each back: run it in a worktree of its
# own, configured as a plain debug build and built once (the ci preset's sanitizers would
# double the time a fault takes):
#   cmake -S WORKTREE -B WORKTREE/build/ci -G Ninja -DCMAKE_BUILD_TYPE=Debug \
#       -DQUADRELL_BENCH=OFF -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS
#   scripts/plant-faults.py WORKTREE [SEED=7] [COUNT=20]
import random, re, shutil, subprocess, sys, os, tempfile
root=os.path.abspath(sys.argv[1]); build=root+'/build/ci'
random.seed(int(sys.argv[2]) if len(sys.argv)>2 else 7)
N=int(sys.argv[3]) if len(sys.argv)>3 else 20
folders=['engine','settings','scores','play','windows','app']
files=[]
for f in folders:
    for dp,_,fs in os.walk(os.path.join(root,f)):
        for x in fs:
            if x.endswith('.cpp'): files.append(os.path.join(dp,x))
ops=[(r'<=',' <'),(r'(?<![<>=!])<(?![<=])','<='),(r'>=','>'),(r'(?<![-<>=!])>(?![>=])','>='),(r'==','!='),(r'!=','=='),
     (r'&&','||'),(r'\|\|','&&'),(r'\+ 1\b','- 1'),(r'- 1\b','+ 1'),(r'\btrue\b','false'),(r'\bfalse\b','true'),(r'\+\+','--')]
def candidates(lines):
    out=[]
    for i,l in enumerate(lines):
        s=l.strip()
        if not s or s.startswith('//') or s.startswith('#') or 'include' in s: continue
        if '"' in s and re.search(r'"[^"]*[<>=&|][^"]*"',s): continue
        for k,(pat,rep) in enumerate(ops):
            if re.search(pat,l) and 'template' not in l and 'std::' not in l.split(pat)[0][-6:]:
                out.append((i,k))
        if re.match(r'^[A-Za-z_][\w:.>\-]*\(.*\);$',s) and not s.startswith('return'):
            out.append((i,'drop'))
    return out
tests=[build+'/tests/engine/engine_tests',build+'/tests/settings/settings_tests',build+'/tests/scores/scores_tests',
       build+'/tests/play/play_tests',build+'/tests/cli/cli_tests',build+'/tests/app/app_tests']
wtests=['MainWindowTest','DialogsTest','DialogNamesTest','BoardSpeechTest','ClockFaceTest','GermanTest','PictureCacheTest','ReviewTest','SoundTest']
res=[]
done=0
while done<N:
    f=random.choice(files); lines=open(f).read().split('\n')
    c=candidates(lines)
    if not c: continue
    i,k=random.choice(c)
    orig=lines[i]
    if k=='drop': new='' 
    else:
        pat,rep=ops[k]; ms=list(re.finditer(pat,orig)); m=random.choice(ms)
        new=orig[:m.start()]+rep+orig[m.end():]
    lines[i]=new
    open(f,'w').write('\n'.join(lines))
    b=subprocess.run(['cmake','--build',build,'-j2'],capture_output=True,text=True)
    rel=os.path.relpath(f,root)
    if b.returncode!=0:
        lines[i]=orig; open(f,'w').write('\n'.join(lines)); continue
    caught=None
    # A home of its own each time, as CTest gives each test: a file dialog's last folder or a
    # picture cache left by one run cannot steer the next.
    home=tempfile.mkdtemp(prefix='plant-home-')
    env=dict(os.environ,QT_QPA_PLATFORM='offscreen',HOME=home,XDG_CONFIG_HOME=home+'/.config',
             XDG_CACHE_HOME=home+'/.cache',XDG_DATA_HOME=home+'/.local/share')
    for t in tests:
        try:
            r=subprocess.run([t,'--gtest_brief=1'],capture_output=True,text=True,timeout=300,env=env)
            if r.returncode!=0: caught=os.path.basename(t); break
        except subprocess.TimeoutExpired: caught=os.path.basename(t)+'(timeout)'; break
    if not caught:
        for w in wtests:
            try:
                r=subprocess.run([build+'/tests/windows/'+w],capture_output=True,text=True,timeout=300,env=env)
                if r.returncode!=0: caught=w; break
            except subprocess.TimeoutExpired: caught=w+'(timeout)'; break
    if not caught:
        # The main window's size on four screens, the board's events as a listening screen
        # reader gets them, on a bus of its own, and the program's first picture: a few
        # seconds each.
        r=subprocess.run(['ctest','--test-dir',build,'-R',
                          r'^(WindowSizeTest\..*|a11y\.events|app\.first-picture|StartupTest)$',
                          '--timeout','120'],
                         capture_output=True,text=True)
        if r.returncode!=0: caught='ctest: '+' '.join(re.findall(r'- (\S+) \((?:Failed|Timeout)\)',r.stdout))
    shutil.rmtree(home,ignore_errors=True)
    lines[i]=orig; open(f,'w').write('\n'.join(lines))
    done+=1
    line=f"{'CAUGHT' if caught else 'MISSED'} {rel}:{i+1} [{orig.strip()}] -> [{new.strip()}] {caught or ''}"
    print(line,flush=True)
subprocess.run(['cmake','--build',build,'-j2'],capture_output=True)
